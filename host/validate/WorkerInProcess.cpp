// Systems without worker processes run every case in this process.
#include "validate/CaseExecutor.h"

namespace kestrow::validate {
namespace {

class InProcess : public CaseExecutor {
public:
    explicit InProcess(const std::string& modulePath) : module_(ModuleUnderTest::Open(modulePath)) {}
    CaseResult Execute(const CaseId& id) override { return RunCase(id, module_); }

private:
    ModuleUnderTest module_;
};

}  // namespace

std::unique_ptr<CaseExecutor> MakeInProcessExecutor(std::string modulePath)
{
    return std::make_unique<InProcess>(std::move(modulePath));
}

#ifdef _WIN32
std::unique_ptr<CaseExecutor> MakeIsolatedExecutor(std::string modulePath, int)
{
    return MakeInProcessExecutor(std::move(modulePath));
}
#endif

}  // namespace kestrow::validate
