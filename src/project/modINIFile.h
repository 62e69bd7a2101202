// INI file, file and folder services: the project file's reader and writer, existence tests for
// files and folders, and the folder choice.
#pragma once

#include <QString>
#include <optional>

namespace project {

// The value of Key in Section of IniFile, at most 255 characters, read with the platform reader's
// rules: section and key names compared without regard to case, blanks around the value removed,
// enclosing quotes removed, DefaultValue when the file, the section or the key is absent.
QString INIGetSettingString(const QString &section, const QString &key, const QString &iniFile,
                            const QString &defaultValue);

// The value of Key, of any length, read line by line: the section line must begin with
// "[Section]" exactly (case counts); from there on every line whose text begins with Key
// (compared in lower case, a prefix test) and holds "=" replaces the result, to the end of the
// file. A file that cannot be opened shows the error box and gives DefaultValue. A read error
// after opening throws platform::VbError.
QString INIGetSettingLongString(const QString &section, const QString &key, const QString &iniFile,
                                const QString &defaultValue);

// Writes "Key=Value" into Section of IniFile: creates file and section when absent, replaces the
// key's line in place, or appends the key at the end of its section. An unset value
// (std::nullopt) removes the key's line; an empty text writes "Key=". Every other line keeps its
// bytes; new lines end in CR LF; text is stored in Windows-1252. The new content goes to a
// temporary file in the same folder, every byte checked and flushed to the disk, that replaces the
// old file only when completely written, so a failure leaves the old file as it was. Returns false when the file could not be read or
// written; *errorText then holds the system's reason.
bool INIWriteSetting(const QString &section, const QString &key, const std::optional<QString> &value,
                     const QString &iniFile, QString *errorText = nullptr);

// Shows the folder dialog with Title as its instruction text, starting at the user's home folder.
// Returns the chosen folder, "" on cancel.
QString BrowseForFolder(const QString &title);

// True when Path names an existing folder, with or without a trailing separator.
bool DirExists(const QString &path);

// True when FileName names an existing ordinary file (not a folder, not a device, FIFO or
// socket, not hidden); wildcards * and ? in the name part are true when at least one such file
// matches.
bool FileExists(const QString &fileName);

} // namespace project
