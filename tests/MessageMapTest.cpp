// The message-table look-up: the right handler, with the right arguments,
// for messages and for commands by identifier and notification.
#include "MessageMap.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr message_map::Message kPaint = 0x000F, kSysCommand = 0x0112, kQueryDragIcon = 0x0037;
int gIcon;

struct Target
{
    std::string log;
    void OnPaint() { log += "paint;"; }
    void OnSysCommand(unsigned id, message_map::LParam l) { log += "sys " + std::to_string(id) + " " + std::to_string(l) + ";"; }
    void* OnQueryDragIcon() { log += "query;"; return &gIcon; }
    void OnFirst() { log += "first;"; }
    void OnSecond() { log += "second;"; }
    static const MessageMapEntry<Target, void*> map[];
};

const MessageMapEntry<Target, void*> Target::map[] = {
    {kPaint, 0, 0, &Target::OnPaint},
    {kSysCommand, 0, 0, &Target::OnSysCommand},
    {kQueryDragIcon, 0, 0, &Target::OnQueryDragIcon},
    {message_map::kCommand, 1012, 0, &Target::OnFirst},
    {message_map::kCommand, 1027, 0, &Target::OnSecond},
    {message_map::kCommand, 1027, 5, &Target::OnFirst},
};

struct Case
{
    const char* name;
    message_map::Message message;
    message_map::WParam wParam;
    message_map::LParam lParam;
    bool handled;
    const char* log;
};

class Dispatch : public testing::TestWithParam<Case> {};

TEST_P(Dispatch, CallsTheMatchingHandler)
{
    const Case& c = GetParam();
    Target t;
    message_map::Result result = -1;
    EXPECT_EQ(DispatchMessageMap(Target::map, t, c.message, c.wParam, c.lParam, result), c.handled);
    EXPECT_EQ(t.log, c.log);
    if (c.message == kQueryDragIcon) {
        EXPECT_EQ(result, reinterpret_cast<message_map::Result>(&gIcon));
    } else if (c.handled) {
        EXPECT_EQ(result, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Messages, Dispatch, testing::Values(
    Case{"Plain", kPaint, 0, 0, true, "paint;"},
    Case{"SysCommandGetsItsArguments", kSysCommand, 0xF060, 77, true, "sys 61536 77;"},
    Case{"QueryAnswersWithTheHandle", kQueryDragIcon, 0, 0, true, "query;"},
    Case{"CommandById", message_map::kCommand, 1012, 0, true, "first;"},
    Case{"CommandByIdAndCode", message_map::kCommand, (5u << 16) | 1027, 0, true, "first;"},
    Case{"FirstMatchWins", message_map::kCommand, 1027, 0, true, "second;"},
    Case{"UnknownCommand", message_map::kCommand, 1013, 0, false, ""},
    Case{"UnknownNotification", message_map::kCommand, (1u << 16) | 1012, 0, false, ""},
    Case{"UnknownMessage", 0x0100, 0, 0, false, ""}),
    [](const testing::TestParamInfo<Case>& p) { return std::string(p.param.name); });

}  // namespace
