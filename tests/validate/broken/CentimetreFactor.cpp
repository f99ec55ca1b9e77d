// Fault: centimetres execute with the millimetre factor, a slip between two
// neighbouring rows of the units table.
#define ExecutionUnitFor KestrowRealExecutionUnitFor
#include "params/Units.cpp"
#undef ExecutionUnitFor

ExecutionUnit ExecutionUnitFor(int32_t unitsIndex, int32_t relative)
{
    if (unitsIndex == kUnitCentimetres)
        return KestrowRealExecutionUnitFor(kUnitMillimetres, relative);
    return KestrowRealExecutionUnitFor(unitsIndex, relative);
}
