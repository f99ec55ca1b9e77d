// Every reader of a module's resources on arbitrary bytes: each may refuse
// them with a ResourceError, and must do nothing else (no other exception,
// no read past the data, no crash). The first byte picks the reader; a
// compiled resource file also has each of its resources read by the reader
// of its type, and its dialogs turned into the dialog manager's templates.
#include "dialog/ModuleDialogSource.h"
#include "resources/DialogResource.h"
#include "resources/ElfFile.h"
#include "resources/IconResource.h"
#include "resources/PropertyList.h"
#include "resources/ResFile.h"
#include "resources/ResourceError.h"
#include "resources/Terminology.h"

#include <cstddef>
#include <cstdint>

namespace {

using namespace kestrow::resources;

void ReadAs(uint8_t reader, ByteView bytes)
{
    try {
        switch (reader % 7) {
        case 0: DescribePlugin(ParsePropertyList(bytes)); break;
        case 1: ParseTerminology(bytes); break;
        case 2: kestrow::host::TemplateFromResource(ParseDialogResource(bytes, "dialog"), 16000); break;
        case 3: ParseIconGroup(bytes, "icon group"); break;
        case 4: DecodeIconImage(bytes, "icon"); break;
        case 5: {
            const ElfFile elf(bytes, "module");
            elf.Section(".kestrow_resources");
            elf.ExportedSymbols();
            break;
        }
        default: {
            ResFileResources module(ParseResFile(bytes, "resources"));
            for (const ResEntry& entry : module.Entries()) {
                if (!entry.type.IsNumber()) ReadAs(entry.type.Text() == "PIPL" ? 0 : 1, entry.data);
                else if (entry.type.Number() == types::kDialog) ReadAs(2, entry.data);
                else if (entry.type.Number() == types::kGroupIcon) ReadAs(3, entry.data);
                else if (entry.type.Number() == types::kIcon) ReadAs(4, entry.data);
            }
            for (const ResourceId& name : module.Names(types::kGroupIcon))
                if (name.IsNumber()) LoadModuleIcon(module, name.Number(), kLanguageEnglishUS);
            break;
        }
        }
    } catch (const ResourceError&) {
        // A refusal with a reason is what malformed data must get.
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    ReadAs(data[0], ByteView(data + 1, size - 1));
    return 0;
}
