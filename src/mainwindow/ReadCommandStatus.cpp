// The read commands' start and end texts, and the save question.
#include "ReadCommandStatus.h"

#include "StatusBarPanel.h"
#include "frmHaupt.h"
#include "modHaupt.h"

#include "project/clProjekt.h"
#include "records/RecordClassBase.h"
#include "infozoom/InfoZoomControl.h"

#include <exception>

namespace mainwindow {

using ReadEnd = records::RecordClassBase::ReadEnd;

StartText::StartText(frmHaupt &window, const QString &text, const QString &failedText)
    : m_window(window), m_text(text), m_failedText(failedText), m_failures(std::uncaught_exceptions())
{
    m_window.SetStatusBarText(m_text);
}

StartText::~StartText()
{
    StatusBarPanel *panel = m_window.StatusPanel();
    if (panel->text() != m_text)
        return;
    // No events run here: the command may be unwinding.
    if (std::uncaught_exceptions() == m_failures)
        panel->setText(QString());
    else if (m_record && m_record->LastRead() == ReadEnd::BrokenOff)
        panel->setText(m_record->BrokenOffText());
    else
        panel->setText(m_failedText);
}

bool ReadTookPlace(const records::RecordClassBase &record)
{
    return record.LastRead() != ReadEnd::SourceUnreadable;
}

QString ReadEndText(const records::RecordClassBase &record, const QString &doneText, const QString &failedText)
{
    switch (record.LastRead()) {
    case ReadEnd::SourceUnreadable:
        return failedText;
    case ReadEnd::BrokenOff:
        return record.BrokenOffText();
    default:
        return doneText;
    }
}

QString SaveChangesQuestion()
{
    QString question = QStringLiteral("Sollen zuvor die Änderungen im Projekt \"%1\" gespeichert werden?")
                           .arg(modHaupt::Projekt ? modHaupt::Projekt->Name() : QString());
    for (const records::RecordClassBase *record : modHaupt::RecordObjectsInCancelOrder()) {
        const InfoZoomControl *control = record->izControl();
        if (record->LastRead() == ReadEnd::BrokenOff && control && control->Tag() == record->kind().tableKind)
            question += QStringLiteral("\r\n") + record->IncompleteTableText();
    }
    return question;
}

} // namespace mainwindow
