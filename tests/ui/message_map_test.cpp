// Message maps: the most derived entry wins, entries match on message,
// notification and id, and what no entry takes goes on to the base maps.
#include "platform/qt/cmd_target.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_calls;

class BaseTarget : public CCmdTarget {
protected:
    void OnShared() { g_calls.push_back("base shared"); }
    void OnBaseOnly() { g_calls.push_back("base only"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseTarget, CCmdTarget)
    ON_COMMAND(10, &BaseTarget::OnShared)
    ON_COMMAND(11, &BaseTarget::OnBaseOnly)
END_MESSAGE_MAP()

class DerivedTarget : public BaseTarget {
protected:
    void OnShared() { g_calls.push_back("derived shared"); }
    void OnFocus() { g_calls.push_back("derived setfocus"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedTarget, BaseTarget)
    ON_COMMAND(10, &DerivedTarget::OnShared)
    ON_EN_SETFOCUS(12, &DerivedTarget::OnFocus)
END_MESSAGE_MAP()

TEST(MessageMap, DerivedEntriesComeFirstAndTheChainReachesTheBase)
{
    DerivedTarget target;
    g_calls.clear();
    EXPECT_TRUE(target.OnCmdMsg(10, BN_CLICKED, 0, 0));
    EXPECT_TRUE(target.OnCmdMsg(11, BN_CLICKED, 0, 0));
    EXPECT_TRUE(target.OnCmdMsg(12, EN_SETFOCUS, 0, 0));
    EXPECT_EQ(g_calls, (std::vector<std::string> { "derived shared", "base only", "derived setfocus" }));
}

TEST(MessageMap, ANotificationOrIdWithoutEntryIsNotHandled)
{
    DerivedTarget target;
    g_calls.clear();
    EXPECT_FALSE(target.OnCmdMsg(12, EN_KILLFOCUS, 0, 0));
    EXPECT_FALSE(target.OnCmdMsg(12, BN_CLICKED, 0, 0));
    EXPECT_FALSE(target.OnCmdMsg(13, BN_CLICKED, 0, 0));
    EXPECT_TRUE(g_calls.empty());
}

} // namespace
