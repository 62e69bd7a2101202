// The six synchronisation commands of the main window: contacts zoomed to, excluded or marked by the
// values selected in the lower table, and the lower table's data by the contacts selected above.
// The key attributes are found by the import names the project's table descriptors record.
#pragma once

#include "infozoom/InfoZoomAttributeNode.h"

#include <QObject>
#include <QString>

class InfoZoomAttributes;

namespace project {
class clFOX;
}

namespace mainwindow {

class frmHaupt;

class SyncCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SyncCommands)

public:
    // Registers mnuZoomContacts, mnuZoomOutContacts, mnuMarkContacts, mnuZoomExtraData,
    // mnuZoomOutExtraData and mnuMarkExtraData with the window, which owns the object.
    static SyncCommands *Register(frmHaupt &window);

    // Contacts from the lower table's selection; false (with the reason in the status panel) when
    // the synchronisation could not run, had no selection to start from or found nothing.
    bool SyncContactsFromExtraData(bool mark, bool zoom);
    // The lower table's data from the contacts' selection.
    bool SyncExtraDataFromContacts(bool mark, bool zoom);

    // Depth-first search of an attribute level for the attribute with this import name (exact,
    // case-sensitive); the first find ends the search, also inside a folder.
    static InfoZoomAttributeNode FindAttribute(const InfoZoomAttributes &attributes, const QString &importName);

private:
    explicit SyncCommands(frmHaupt &window);

    // The command frame: start text, controls off, the direction, done text when it ran, controls on.
    void RunContactsCommand(bool mark, bool zoom, const QString &doneText);
    void RunExtraDataCommand(bool mark, bool zoom, const QString &doneText);
    // The descriptor of the kind shown in the lower table, or null for any other tag.
    project::clFOX *LowerDescriptor() const;
    QString LowerTag() const;
    QString UpperTag() const;
    // Writes the reason to the status panel and returns false.
    bool Fail(const QString &text);

    frmHaupt &m_window;
};

} // namespace mainwindow
