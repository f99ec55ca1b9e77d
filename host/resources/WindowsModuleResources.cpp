// Finding resources with FindResourceEx, LoadResource and SizeofResource,
// and listing them with EnumResourceNames. Compiled only for Windows.
#ifdef _WIN32

#include "resources/WindowsModuleResources.h"

#include "resources/ResourceError.h"

namespace kestrow::resources {
namespace {

std::wstring Widen(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string Narrow(const wchar_t* text)
{
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1)
        return std::string();
    std::string narrow(static_cast<size_t>(length - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

// A resource type or name as the loader takes it: a number in the low word
// of the pointer, or a text that must live as long as the call.
class LoaderId {
public:
    explicit LoaderId(const ResourceId& id) : number_(id.IsNumber()), text_(id.IsNumber() ? L"" : Widen(id.Text()))
    {
        if (number_)
            value_ = id.Number();
    }
    LPCWSTR Get() const { return number_ ? MAKEINTRESOURCEW(value_) : text_.c_str(); }

private:
    bool number_;
    WORD value_ = 0;
    std::wstring text_;
};

BOOL CALLBACK CollectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR context)
{
    auto* names = reinterpret_cast<std::vector<ResourceId>*>(context);
    if (IS_INTRESOURCE(name))
        names->emplace_back(static_cast<uint16_t>(reinterpret_cast<ULONG_PTR>(name)));
    else
        names->emplace_back(Narrow(name));
    return TRUE;
}

}  // namespace

WindowsModuleResources::WindowsModuleResources(const std::string& path)
    : module_(LoadLibraryExW(Widen(path).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)),
      owned_(true)
{
    if (module_ == nullptr)
        throw ResourceError(path + ": cannot load the module (error " + std::to_string(GetLastError()) + ")");
}

WindowsModuleResources::~WindowsModuleResources()
{
    if (owned_ && module_ != nullptr)
        FreeLibrary(module_);
}

std::optional<std::vector<uint8_t>> WindowsModuleResources::Find(const ResourceId& type, const ResourceId& name,
                                                                 uint16_t language) const
{
    const LoaderId loaderType(type);
    const LoaderId loaderName(name);
    HRSRC found = FindResourceExW(module_, loaderType.Get(), loaderName.Get(), language);
    if (found == nullptr)
        return std::nullopt;
    const DWORD size = SizeofResource(module_, found);
    HGLOBAL loaded = LoadResource(module_, found);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr)
        throw ResourceError("resource " + type.Describe() + " " + name.Describe() + ": cannot be loaded");
    const auto* bytes = static_cast<const uint8_t*>(data);
    return std::vector<uint8_t>(bytes, bytes + size);
}

std::vector<ResourceId> WindowsModuleResources::Names(const ResourceId& type) const
{
    std::vector<ResourceId> names;
    const LoaderId loaderType(type);
    EnumResourceNamesW(module_, loaderType.Get(), CollectName, reinterpret_cast<LONG_PTR>(&names));
    return names;
}

std::unique_ptr<ModuleResources> OpenModuleResources(const std::string& path)
{
    return std::make_unique<WindowsModuleResources>(path);
}

}  // namespace kestrow::resources

#endif
