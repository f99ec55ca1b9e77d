// Fault: the descriptor the host handed in is freed before the recording
// replaces it, although it belongs to the host.
#define WriteParameters KestrowRealWriteParameters
#include "params/Parameters.cpp"
#undef WriteParameters

PlugStatus WriteParameters(ActionParameters* parameters)
{
    if (descriptorSuite != nullptr && parameters != nullptr && parameters->descriptor != nullptr)
        descriptorSuite->Free(parameters->descriptor);
    return KestrowRealWriteParameters(parameters);
}
