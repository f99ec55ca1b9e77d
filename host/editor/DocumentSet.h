// The editor's open documents; the most recently opened one is the target.
#pragma once

#include "editor/Document.h"

#include <memory>
#include <vector>

namespace kestrow::host {

class DocumentSet {
public:
    // Opens a document and makes it the target; throws like Document's constructor.
    Document& Open(int32_t width, int32_t height, double resolution);
    void CloseAll();
    Document* Target() { return documents_.empty() ? nullptr : documents_.back().get(); }
    const std::vector<std::unique_ptr<Document>>& All() const { return documents_; }

private:
    std::vector<std::unique_ptr<Document>> documents_;
    int32_t nextId_ = 1;
};

}  // namespace kestrow::host
