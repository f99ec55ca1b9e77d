// Fault: typing into the Right margin field neither stores the margin nor
// updates the new size.
#define MarginFieldChanged KestrowRealMarginFieldChanged
#include "dialog/SizeEntry.cpp"
#undef MarginFieldChanged

void HOSTCALL MarginFieldChanged(ItemRef item, NotifierRef notifier)
{
    if (itemSuite->GetID(item) == kItemRight)
        return;
    KestrowRealMarginFieldChanged(item, notifier);
}
