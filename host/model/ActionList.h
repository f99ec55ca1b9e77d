// An action list: a sequence of typed values without keys (their key is 0).
#pragma once

#include "model/ActionValue.h"

#include <vector>

namespace kestrow::host {

class ActionList {
public:
    void Append(FourCode type, Value value) { items_.push_back(Item{0, type, std::move(value)}); }
    const std::vector<Item>& Items() const { return items_; }

private:
    std::vector<Item> items_;
};

}  // namespace kestrow::host
