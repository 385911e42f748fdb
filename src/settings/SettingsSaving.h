#pragma once
// Writes the settings file for the whole run, and decides what a failure
// shows: the first failure of a run is reported, in the interface language;
// later ones are not (the record stays in effect, and the next save, at the
// latest the one at the end of the run, writes it whole). So a read-only or
// vanished settings file brings one message, never one per page.
#include <filesystem>
#include <optional>
#include <string>

#include "settings/Settings.h"

class TSettingsSaving {
public:
    // Saves `settings` into "setting.dat" of `dataFolder`: true when written.
    // A failure leaves its message for TakeReport() when it is the run's first.
    bool Save(const TSettings& settings, const std::filesystem::path& dataFolder);
    // The message the reader should see now, once; empty when there is none.
    std::optional<std::u16string> TakeReport();

private:
    bool FFailureReported = false;
    std::optional<std::u16string> FReport;
};

// "The settings file cannot be written" in `language`, with the reason.
std::u16string SettingsWriteErrorMessage(TAppLanguage language, const std::string& reason);
