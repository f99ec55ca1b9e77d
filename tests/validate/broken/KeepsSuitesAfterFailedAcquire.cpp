// Fault: after an acquisition fails, the suites acquired before it are kept.
// The real suite table, with ReleaseSuites renamed so this one stands in front.
#define ReleaseSuites KestrowRealReleaseSuites
#include "shell/SuiteTable.cpp"
#undef ReleaseSuites

void ReleaseSuites(const BasicSuite* basic, SuiteRow* table, int16_t count)
{
    for (int16_t row = 0; row < count; ++row) {
        if (*table[row].pointer == nullptr)
            return; // a partly acquired table: nothing is given back
    }
    KestrowRealReleaseSuites(basic, table, count);
}
