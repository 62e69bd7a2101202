// The common open and save dialogs as an object with plain properties: set title, filter, start
// folder and flags, call Show, read the chosen path back. A new object is made for each use.
#pragma once

#include <QString>
#include <cstdint>

class QWidget;

namespace project {

class clFileDialog
{
public:
    // The dialog flags that mean something here; others are kept and passed on unread.
    static constexpr std::int32_t OFN_OVERWRITEPROMPT = 0x2;
    static constexpr std::int32_t OFN_HIDEREADONLY = 0x4;
    static constexpr std::int32_t OFN_ALLOWMULTISELECT = 0x200;
    static constexpr std::int32_t OFN_PATHMUSTEXIST = 0x800;
    static constexpr std::int32_t OFN_FILEMUSTEXIST = 0x1000;
    static constexpr std::int32_t OFN_EXPLORER = 0x80000;

    QString DefaultExt() const { return m_defaultExt; }
    void setDefaultExt(const QString &value) { m_defaultExt = value; }
    QString DialogTitle() const { return m_dialogTitle; }
    void setDialogTitle(const QString &value) { m_dialogTitle = value; }
    // Before Show the proposed name; after a successful Show the full path chosen (with
    // OFN_ALLOWMULTISELECT and OFN_EXPLORER and several files: folder and names joined by blanks).
    QString FileName() const { return m_fileName; }
    void setFileName(const QString &value) { m_fileName = value; }
    // After a successful Show the chosen file's name without its folder.
    QString FileTitle() const { return m_fileTitle; }
    void setFileTitle(const QString &value) { m_fileTitle = value; }
    // Description and pattern pairs, all joined by "|": "Datolux-Projektdatei (*.dlx)|*.dlx".
    QString Filter() const { return m_filter; }
    void setFilter(const QString &value) { m_filter = value; }
    // 1-based index of the preselected filter pair; 0 is the first. Never read back.
    std::int16_t FilterIndex() const { return m_filterIndex; }
    void setFilterIndex(std::int16_t value) { m_filterIndex = value; }
    std::int32_t Flags() const { return m_flags; }
    void setFlags(std::int32_t value) { m_flags = value; }
    // The owner is kept for the callers; the UI services own the dialog to the active window.
    QWidget *hWndParent() const { return m_parent; }
    void sethWndParent(QWidget *value) { m_parent = value; }
    QString InitialDir() const { return m_initialDir; }
    void setInitialDir(const QString &value) { m_initialDir = value; }
    // Size in characters of the path buffer: a chosen path of MaxFileSize characters or more
    // cannot be returned.
    std::int16_t MaxFileSize() const { return m_maxFileSize; }
    void setMaxFileSize(std::int16_t value) { m_maxFileSize = value; }

    // Shows the open (fOpen true) or save dialog. True when the user chose a file; on cancel
    // FileName and FileTitle keep their values.
    bool Show(bool fOpen);

    // Cuts a returned buffer: the single form ends at the first NUL; the multiple form ends at the
    // first NUL followed by a second one, with each single NUL before it turned into a blank. A
    // text without a terminating NUL comes back whole.
    static QString TrimNulls(const QString &buffer, bool multipleForm);

private:
    bool multipleForm() const;
    bool show(bool fOpen);

    QString m_defaultExt;
    QString m_dialogTitle;
    QString m_fileName;
    QString m_fileTitle;
    QString m_initialDir;
    QString m_filter;
    std::int16_t m_filterIndex = 0;
    std::int32_t m_flags = 0;
    std::int16_t m_maxFileSize = 260;
    QWidget *m_parent = nullptr;
};

} // namespace project
