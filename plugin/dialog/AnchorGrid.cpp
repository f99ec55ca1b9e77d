// The anchor grid: nine picture buttons, the pressed one is the anchor and
// its neighbours show arrows pointing where the canvas grows, or inwards
// where the typed size is smaller than the document.
#include "dialog/Dialogs.h"
#include "params/CanvasState.h"
#include "shell/HostServices.h"

namespace {

// Arrow icons by direction: row and column step, each -1, 0 or 1.
int32_t ArrowIcon(int32_t dr, int32_t dc)
{
    static const int32_t icons[3][3] = {
        {122, 123, 124},
        {125, kIconBlank, 126},
        {127, 128, 129},
    };
    return icons[dr + 1][dc + 1];
}

} // namespace

void HOSTCALL AnchorButtonClicked(ItemRef item, NotifierRef)
{
    CanvasState& s = gCanvasState;
    DialogRef dialog = itemSuite->GetDialog(item);
    itemSuite->SetBooleanValue(item, 1);
    s.anchor = static_cast<int16_t>(itemSuite->GetID(item) - kItemAnchorBase);
    itemSuite->SetDisabledPictureID(item, kIconBlank);
    itemSuite->SetPictureID(item, kIconBlank);
    if (s.anchor < 1 || s.anchor > 9)
        return;

    const int32_t anchorRow = (s.anchor - 1) / 3;
    const int32_t anchorColumn = (s.anchor - 1) % 3;
    for (int32_t cell = 1; cell <= 9; ++cell) {
        if (cell == s.anchor)
            continue;
        int32_t dr = (cell - 1) / 3 - anchorRow;
        int32_t dc = (cell - 1) % 3 - anchorColumn;
        int32_t picture = kIconBlank;
        int32_t disabledPicture = kIconNone;
        if (dr >= -1 && dr <= 1 && dc >= -1 && dc <= 1) {
            bool inward;
            if (dr == 0)
                inward = s.shrinkWidth != 0;
            else if (dc == 0)
                inward = s.shrinkHeight != 0;
            else
                inward = s.shrinkWidth != 0 || s.shrinkHeight != 0;
            if (inward) {
                dr = -dr;
                dc = -dc;
            }
            picture = ArrowIcon(dr, dc);
            disabledPicture = picture + kGreyIconOffset;
        }
        ItemRef button = dialogSuite->GetItem(dialog, kItemAnchorBase + cell);
        itemSuite->SetPictureID(button, picture);
        itemSuite->SetDisabledPictureID(button, disabledPicture);
        itemSuite->SetBooleanValue(button, 0);
    }
}
