// A simulated editor with the plug-in's suite pointers acquired from it and
// the canvas state at its load values, for tests that call the plug-in's
// routines directly.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "model/FourCodeText.h"
#include "params/CanvasState.h"
#include "runtime/Host.h"
#include "shell/HostServices.h"

namespace kestrow::test {

// A four-character code from a text known at run time.
inline FourCode Code(const char* text)
{
    return (FourCode(uint8_t(text[0])) << 24) | (FourCode(uint8_t(text[1])) << 16) | (FourCode(uint8_t(text[2])) << 8) |
           FourCode(uint8_t(text[3]));
}

// "Hght=#Pxl:510 Vrtc=VrtL:Bttm": an event's or descriptor's items, compactly.
inline std::string ItemsText(const std::vector<host::Item>& items)
{
    std::string text;
    for (const host::Item& item : items) {
        if (!text.empty())
            text += ' ';
        text += host::FourCodeText(item.key) + '=';
        char number[64];
        if (const auto* unit = std::get_if<host::UnitFloat>(&item.value)) {
            std::snprintf(number, sizeof number, "%.10g", unit->value);
            text += host::FourCodeText(unit->unit) + ':' + number;
        } else if (const auto* value = std::get_if<double>(&item.value)) {
            std::snprintf(number, sizeof number, "%.10g", *value);
            text += number;
        } else if (const auto* integer = std::get_if<int32_t>(&item.value)) {
            text += "int:" + std::to_string(*integer);
        } else if (const auto* enumerated = std::get_if<host::Enumerated>(&item.value)) {
            text += host::FourCodeText(enumerated->type) + ':' + host::FourCodeText(enumerated->value);
        } else {
            text += '?';
        }
    }
    return text;
}

class PluginTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gCanvasState = CanvasState{};
        gCanvasState.pluginRef = host.PluginHandle();
        host.documents.Open(1000, 500, 72);
        ASSERT_EQ(AcquireSuites(host.Basic(), SuiteTable, kSuiteCount), 0);
        mark = host.handles.Mark();
    }

    void TearDown() override
    {
        for (ActionDescriptorHandle descriptor : made)
            descriptorSuite->Free(descriptor);
        ReleaseSuites(host.Basic(), SuiteTable, kSuiteCount);
        EXPECT_TRUE(host.handles.RecordLeaksSince(mark).empty()) << "the plug-in leaked a handle";
        for (const auto& problem : host.handles.Problems())
            ADD_FAILURE() << problem.Describe();
    }

    // A descriptor the test owns and frees at the end.
    ActionDescriptorHandle NewDescriptor()
    {
        ActionDescriptorHandle descriptor = nullptr;
        EXPECT_EQ(descriptorSuite->Make(&descriptor), 0);
        made.push_back(descriptor);
        return descriptor;
    }

    // A descriptor the plug-in handed over, to be freed by the test.
    void Adopt(ActionDescriptorHandle descriptor) { made.push_back(descriptor); }

    host::Descriptor& Contents(ActionDescriptorHandle descriptor)
    {
        return *host.handles.FindDescriptor(host::TokenOf(descriptor), "test");
    }

    std::vector<std::string> EventTexts() const
    {
        std::vector<std::string> texts;
        for (const host::PlayedEvent& event : host.events)
            texts.push_back(host::FourCodeText(event.event) + ' ' + ItemsText(event.items));
        return texts;
    }

    void OpenDocument(int32_t width, int32_t height, double resolution)
    {
        host.documents.Open(width, height, resolution);
    }

    host::Host host;
    host::ActiveHostScope scope{host};
    uint64_t mark = 0;
    std::vector<ActionDescriptorHandle> made;
};

}  // namespace kestrow::test
