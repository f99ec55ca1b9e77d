#include "editor/DocumentSet.h"

namespace kestrow::host {

Document& DocumentSet::Open(int32_t width, int32_t height, double resolution)
{
    documents_.push_back(std::make_unique<Document>(nextId_, width, height, resolution));
    ++nextId_;
    return *documents_.back();
}

void DocumentSet::CloseAll() { documents_.clear(); }

}  // namespace kestrow::host
