// Runs cases for the validator. The isolated executor runs them in a
// worker process, so a module that crashes or hangs is reported as such and
// the validation goes on; where there are no worker processes it runs them
// in this process.
#pragma once

#include "validate/CaseRunner.h"

#include <memory>
#include <string>

namespace kestrow::validate {

class CaseExecutor {
public:
    virtual ~CaseExecutor() = default;
    virtual CaseResult Execute(const CaseId& id) = 0;
};

std::unique_ptr<CaseExecutor> MakeInProcessExecutor(std::string modulePath);
// A case that runs longer than `timeoutSeconds` is reported as a hang.
std::unique_ptr<CaseExecutor> MakeIsolatedExecutor(std::string modulePath, int timeoutSeconds);

}  // namespace kestrow::validate
