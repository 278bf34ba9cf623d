// The commands of pagewright-clip, one row each: its name, its usage line
// (which also says what arguments the parser accepts), what it does for the
// help, and the function that carries it out.
#ifndef PAGEWRIGHT_CLIP_COMMANDS_H
#define PAGEWRIGHT_CLIP_COMMANDS_H

#include "options.h"

namespace PAGEWRIGHT {

// Each carries out one command with its checked arguments and returns the exit
// code: 0 when it did its job, 1 after saying why it could not. Nothing is
// changed unless everything before the change succeeded.
using COMMANDRUN = int (*)(const ARGUMENTS& arguments);

struct COMMAND {
    const char* name;
    const char* usage;
    const char* summary;
    COMMANDRUN run;
};

int FORMATSCOMMAND(const ARGUMENTS& arguments);
int SAVECOMMAND(const ARGUMENTS& arguments);
int LOADCOMMAND(const ARGUMENTS& arguments);
int CLEARCOMMAND(const ARGUMENTS& arguments);
int DUMPCOMMAND(const ARGUMENTS& arguments);
int EXPORTCOMMAND(const ARGUMENTS& arguments);
int LISTCOMMAND(const ARGUMENTS& arguments);
int IMPORTCOMMAND(const ARGUMENTS& arguments);
int EVENTSCOMMAND(const ARGUMENTS& arguments);
int MAPSCOMMAND(const ARGUMENTS& arguments);
int TAKECOMMAND(const ARGUMENTS& arguments);
int EXPORTTEXTSCOMMAND(const ARGUMENTS& arguments);
int IMPORTTEXTSCOMMAND(const ARGUMENTS& arguments);
int PUTCOMMAND(const ARGUMENTS& arguments);
int REMOVECOMMAND(const ARGUMENTS& arguments);
int HELPCOMMAND(const ARGUMENTS& arguments);

// The command line without the program's name: the command and its
// arguments, or --version alone, which says the version. The exit code; 2,
// after the usage on standard error, for a command line that names no command
// or gives it arguments it does not take, and after one line for a command it
// does not know.
int RUNCOMMANDLINE(int count, char** arguments);

} // namespace PAGEWRIGHT

#endif
