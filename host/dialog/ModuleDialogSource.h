// Dialogs and icons read from the loaded module's own resources: the
// extended dialog templates become the dialog manager's templates, and icon
// groups are decoded for the picture buttons.
#pragma once

#include "dialog/DialogSource.h"
#include "resources/DialogResource.h"
#include "resources/ModuleResources.h"

#include <memory>
#include <string>

namespace kestrow::host {

class ModuleDialogSource : public DialogSource {
public:
    explicit ModuleDialogSource(std::unique_ptr<resources::ModuleResources> module) : module_(std::move(module)) {}

    // The resources of the module file at `path`; null with the reason in
    // `error` when the file carries none.
    static std::shared_ptr<ModuleDialogSource> Open(const std::string& path, std::string& error);

    // Throws resources::ResourceError when the module's template is malformed.
    std::optional<DialogTemplate> Find(int32_t resourceId) const override;
    std::optional<resources::Icon> FindIcon(int32_t iconId) const override;

private:
    std::unique_ptr<resources::ModuleResources> module_;
};

// The dialog manager's template of one dialog resource.
DialogTemplate TemplateFromResource(const resources::DialogResource& dialog, int32_t resourceId);

}  // namespace kestrow::host
