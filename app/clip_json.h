// pagewright-clip export and import: event data as JSON text and back
// (docs/event-json.md).
#ifndef PAGEWRIGHT_APP_CLIP_JSON_H
#define PAGEWRIGHT_APP_CLIP_JSON_H

namespace PAGEWRIGHT {

// Each takes the arguments after the command's name and returns the exit
// code. Nothing is changed unless everything before the change succeeded.
int EXPORTCOMMAND(int count, char** arguments);
int IMPORTCOMMAND(int count, char** arguments);

} // namespace PAGEWRIGHT

#endif
