#pragma once
#include "settings/SettingsControls.h"
#include "settings/SettingsRecord.h"
#include <QString>
#include <optional>

// The settings file "Data.dat" and the text of the last run "LastEdit" in the program's folder:
// what the main window restores at start and saves at exit.
class SettingsStore {
public:
    explicit SettingsStore(const QString &programFolder);

    QString LastEditPath() const { return folder + "LastEdit"; }
    QString SettingsPath() const { return folder + "Data.dat"; }
    QString TempPath() const { return folder + "Temp.tmp"; }
    QString HelpPath() const { return folder + "Help.html"; }
    QString Folder() const { return folder; }  // ending in a slash

    SettingsRecord &Record() { return record; }
    const SettingsRecord &Record() const { return record; }
    // Whether reading "Data.dat" failed at start, so that the first-run values are in use.
    bool SettingsLoadFailed() const { return loadFailed; }

    // Start: makes "LastEdit", "Data.dat", "Temp.tmp" and "Help.html" writable for their owner,
    // ignoring every failure.
    void MakeFilesWritable() const;
    // Start: reads "Data.dat" (the first-run values when that fails) and applies the options and
    // the appearance to the controls.
    void Restore(const SettingsControls &controls);
    // Start: the text of the last run, nothing when "LastEdit" cannot be read.
    std::optional<QString> LastText() const;
    // Closing: "LastEdit" written ahead of the exit, so that a failure can still be told.
    bool WriteLastText(const QString &text, QString *reason) const;

    // Closing: remembers the selection of the text area.
    void CloseQuery(int selStart, int selLength);
    // Exit: writes the text to "LastEdit", gathers the speed reader's positions and the check
    // marks, the options, the voice panels' records and the window's placement into the record,
    // and writes "Data.dat".
    // Each file is written even when the other cannot be. Returns whether both were written.
    bool SaveAtExit(const SettingsControls &controls);
    // While running: the record as the exit would write it, the voices left speaking.
    SettingsRecord Gathered(const SettingsControls &controls) const;

    // Reads the first record of "Data.dat"; a file that is shorter, missing, or cannot be opened
    // for reading and writing gives nothing.
    static std::optional<SettingsRecord> ReadSettings(const QString &path);
    static bool WriteSettings(const QString &path, const SettingsRecord &record);
    static std::optional<QString> ReadLastEdit(const QString &path);
    static bool WriteLastEdit(const QString &path, const QString &text);

private:
    QString folder;
    SettingsRecord record;
    bool loadFailed = true;
};
