// The parameter descriptor: what a played action hands in, and what a run
// hands back for recording.
#ifndef KESTROW_PARAMS_PARAMETERS_H
#define KESTROW_PARAMS_PARAMETERS_H

#include "PluginMessage.h"

PlugStatus ReadParameters(ActionParameters* parameters);
PlugStatus WriteParameters(ActionParameters* parameters);

#endif
