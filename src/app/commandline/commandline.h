#pragma once

namespace paysmith {

// Whether the arguments ask for the command line's work (a report, help or the
// version) rather than the window.
bool wantsCommandLine(int argc, char* argv[]);

// Does that work without a display and gives the exit status: 0 done, also
// when values the window would refuse were left out (each said on standard
// error); 2 when the settings could not be read, a file named with --settings
// holds none of the program's values, or the arguments go together wrongly.
int runCommandLine(int argc, char* argv[]);

} // namespace paysmith
