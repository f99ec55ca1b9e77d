#include "Commands.h"

namespace kestrow::cli {

const std::vector<Command>& Commands()
{
    static const std::vector<Command> table = {
        {"play", "Run the plug-in once on a document with a descriptor built from ITEMs", AddPlayCommand},
        {"session", "Run the steps of FILE (- for standard input) in one module lifetime", AddSessionCommand},
        {"about", "Show the plug-in's About box (caller \"SP Interface\", selector \"About\")", AddAboutCommand},
        {"resources", "List what the module declares: properties, terminology, dialogs and icons", AddResourcesCommand},
        {"validate", "Check the module under faults, bad input and long sessions; report every violation",
         AddValidateCommand},
    };
    return table;
}

}  // namespace kestrow::cli
