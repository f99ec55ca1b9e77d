// Where the dialog manager finds the dialogs it builds and the icons its
// picture buttons show: the module's own resources (ModuleDialogSource), or
// a stand-in that tests hand in.
#pragma once

#include "dialog/DialogTemplate.h"
#include "resources/IconResource.h"

#include <cstdint>
#include <optional>

namespace kestrow::host {

class DialogSource {
public:
    virtual ~DialogSource() = default;
    // The dialog with this resource number, or nothing when there is none.
    virtual std::optional<DialogTemplate> Find(int32_t resourceId) const = 0;
    // The images of icon `iconId`, or nothing when there is no such icon.
    virtual std::optional<resources::Icon> FindIcon(int32_t iconId) const
    {
        (void)iconId;
        return std::nullopt;
    }
};

}  // namespace kestrow::host
