#include "dialog/ModuleDialogSource.h"

#include "resources/DialogControlKind.h"
#include "resources/ResourceError.h"

namespace kestrow::host {
namespace {

namespace res = kestrow::resources;

ItemKind KindFor(res::ControlKind kind)
{
    switch (kind) {
    case res::ControlKind::PushButton:
    case res::ControlKind::DefaultPushButton: return ItemKind::Button;
    case res::ControlKind::CheckBox: return ItemKind::Checkbox;
    case res::ControlKind::RadioButton: return ItemKind::Radio;
    case res::ControlKind::GroupFrame: return ItemKind::Group;
    case res::ControlKind::Label: return ItemKind::Text;
    case res::ControlKind::EditField: return ItemKind::Edit;
    case res::ControlKind::PopupList:
    case res::ControlKind::ComboBox: return ItemKind::Popup;
    case res::ControlKind::PictureButton: return ItemKind::PictureButton;
    default: return ItemKind::Other;
    }
}

TextAlign AlignFor(res::TextAlignment alignment)
{
    switch (alignment) {
    case res::TextAlignment::Centre: return TextAlign::Centre;
    case res::TextAlignment::Right: return TextAlign::Right;
    default: return TextAlign::Left;
    }
}

}  // namespace

DialogTemplate TemplateFromResource(const res::DialogResource& dialog, int32_t resourceId)
{
    DialogTemplate out;
    out.resourceId = resourceId;
    out.name = dialog.caption;
    out.caption = dialog.caption;
    out.width = dialog.width;
    out.height = dialog.height;
    if (dialog.hasFont) {
        out.fontPoints = dialog.font.pointSize;
        out.typeface = dialog.font.typeface;
    }
    for (const res::DialogResourceItem& item : dialog.items) {
        const res::ControlKind kind = res::KindOf(item);
        DialogItemTemplate made{item.id, KindFor(kind), item.TextOrNumber()};
        made.enabled = (item.style & res::kStyleDisabled) == 0;
        made.bounds = DialogRect{item.x, item.y, item.width, item.height};
        made.startsGroup = item.StartsGroup();
        made.isDefault = kind == res::ControlKind::DefaultPushButton;
        made.border = (item.style & res::kStyleBorder) != 0;
        made.align = AlignFor(res::AlignmentOf(item));
        out.items.push_back(std::move(made));
    }
    return out;
}

std::shared_ptr<ModuleDialogSource> ModuleDialogSource::Open(const std::string& path, std::string& error)
{
    try {
        return std::make_shared<ModuleDialogSource>(res::OpenModuleResources(path));
    } catch (const res::ResourceError& failure) {
        error = failure.what();
        return nullptr;
    }
}

std::optional<DialogTemplate> ModuleDialogSource::Find(int32_t resourceId) const
{
    if (resourceId < 0 || resourceId > 0xFFFF) return std::nullopt;
    const res::ResourceId name(static_cast<uint16_t>(resourceId));
    const auto bytes = module_->Find(res::types::kDialog, name, res::kLanguageEnglishUS);
    if (!bytes) return std::nullopt;
    const res::DialogResource dialog =
        res::ParseDialogResource(res::ByteView(bytes->data(), bytes->size()), "dialog " + std::to_string(resourceId));
    return TemplateFromResource(dialog, resourceId);
}

std::optional<res::Icon> ModuleDialogSource::FindIcon(int32_t iconId) const
{
    if (iconId <= 0 || iconId > 0xFFFF) return std::nullopt;
    return res::LoadModuleIcon(*module_, static_cast<uint16_t>(iconId), res::kLanguageEnglishUS);
}

}  // namespace kestrow::host
