#include "app/settings/settingswriteerror.h"
#include "app/settingsfile/settingsfile.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string_view>

// Saves the settings the way the program does at close, so that tests can
// run a save as another user, under a resource limit, or kill it midway.
//   settings_save_helper once AMOUNT  one save, Loan 1's amount being AMOUNT
//   settings_save_helper loop         saves amounts 1 and 2 in turn until
//                                     killed, printing a line after each save
// A failed save prints its message and exits with 1; wrong use exits with 2.

namespace {

void save(double amount) {
    paysmith::SavedValues values = paysmith::RestoreDefaults();
    values.loan1.amount = amount;
    values.firstRunDone = true;
    paysmith::saveValues(values, u'.');
}

} // namespace

int main(int argc, char** argv) {
    // Under a file-size limit the write then comes back short, as on a full
    // disk, instead of the process being killed.
    std::signal(SIGXFSZ, SIG_IGN);

    const std::string_view mode = argc >= 2 ? argv[1] : "";
    try {
        if (mode == "once" && argc == 3) {
            save(std::strtod(argv[2], nullptr));
            return 0;
        }
        if (mode == "loop" && argc == 2) {
            for (int round = 0;; ++round) {
                save(1 + round % 2);
                std::puts("saved");
                std::fflush(stdout);
            }
        }
    } catch (const paysmith::SettingsWriteError& error) {
        std::fprintf(stderr, "%s: %s\n", error.what(), error.reason().c_str());
        return 1;
    }
    std::fputs("usage: settings_save_helper once AMOUNT | loop\n", stderr);
    return 2;
}
