// Protects the help topic numbers and the file names of their pages, which the dialogs and the pages rely on.
#include <gtest/gtest.h>

#include <set>

#include "support/help_topics.h"

using namespace torvik;

TEST(HelpTopicsTest, TopicsAndTheirPages) {
    EXPECT_EQ(HelpPage(HelpContents), "index.html");
    EXPECT_EQ(HelpPage(10), "user-loop.html");
    EXPECT_EQ(HelpPage(19), "printing.html");
    EXPECT_EQ(HelpPage(20), "force-editor.html");
    EXPECT_EQ(HelpPage(30), "options.html");
    EXPECT_EQ(HelpPage(31), "options-general.html");
    EXPECT_EQ(HelpPage(32), "options-wire.html");
    EXPECT_EQ(HelpPage(33), "options-calculation.html");
    EXPECT_EQ(HelpPage(34), "options-view.html");
    EXPECT_EQ(HelpPage(40), "wire-info.html");
    EXPECT_EQ(HelpPage(50), "activation-curve.html");
    EXPECT_EQ(HelpPage(60), "templates.html");
    EXPECT_EQ(HelpPage(61), "sweeps-fitting.html");

    // Numbers that are no topic have no page.
    for (int other : {-1, 1, 9, 11, 21, 35, 39, 41, 49, 51, 59, 62, 100000}) EXPECT_EQ(HelpPage(other), "") << other;

    // Every topic has a page of its own; the contents come first.
    const std::vector<int> topics = HelpTopics();
    ASSERT_EQ(topics.size(), 13u);
    EXPECT_EQ(topics.front(), HelpContents);
    std::set<std::string> pages;
    for (int topic : topics) pages.insert(HelpPage(topic));
    EXPECT_EQ(pages.size(), topics.size());
    EXPECT_EQ(pages.count(""), 0u);
}
