// Jet's LIKE, as the search filters and queries rely on it: wildcards, sets, digits, no regard to case.
#include "dao/JetLike.h"

#include <QString>
#include <gtest/gtest.h>

using dao::JetLike;

namespace {

struct LikeCase
{
    const char16_t *pattern;
    const char16_t *text;
    bool expected;
};

class JetLikeTable : public ::testing::TestWithParam<LikeCase>
{
};

} // namespace

TEST_P(JetLikeTable, Matches)
{
    const LikeCase &c = GetParam();
    EXPECT_EQ(JetLike::match(QStringView(c.pattern), QStringView(c.text)), c.expected)
        << QString::fromUtf16(c.pattern).toStdString() << " ~ " << QString::fromUtf16(c.text).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Wildcards, JetLikeTable,
    ::testing::Values(LikeCase{u"M*", u"Müller", true}, LikeCase{u"m*", u"Müller", true}, LikeCase{u"*LLER", u"Müller", true},
                      LikeCase{u"*ü*", u"MÜLLER", true}, LikeCase{u"M?ller", u"Möller", true},
                      LikeCase{u"M?ller", u"Mller", false}, LikeCase{u"*", u"", true}, LikeCase{u"?", u"", false},
                      LikeCase{u"##", u"42", true}, LikeCase{u"##", u"4a", false}, LikeCase{u"[abc]x", u"Bx", true},
                      LikeCase{u"[!abc]x", u"bx", false}, LikeCase{u"[!abc]x", u"dx", true},
                      LikeCase{u"[a-f]*", u"Emil", true}, LikeCase{u"[a-f]*", u"Gustav", false},
                      LikeCase{u"[mM][üÜ]*", u"Müller", true}, LikeCase{u"*[*]*", u"a*b", true},
                      LikeCase{u"*[*]*", u"ab", false}, LikeCase{u"a*b*c", u"aXbYbZc", true},
                      LikeCase{u"a*b*c", u"aXbYbZ", false}, LikeCase{u"ABC", u"abc ", false},
                      LikeCase{u"ABC*", u"abc   ", true}, LikeCase{u"[ab", u"[ab", true}));

TEST(JetLike, EscapeMakesTheNextCharacterLiteral)
{
    EXPECT_TRUE(JetLike::match(u"100\\%", u"100%", u'\\'));
    EXPECT_TRUE(JetLike::match(u"a\\*", u"a*", u'\\'));
    EXPECT_FALSE(JetLike::match(u"a\\*", u"abc", u'\\'));
    EXPECT_TRUE(JetLike::match(u"a\\?", u"a?", u'\\'));
    EXPECT_FALSE(JetLike::match(u"a\\?", u"ab", u'\\'));
}

TEST(JetLike, LongTextsWithManyStarsStayLinearEnough)
{
    const QString text(20000, u'a');
    EXPECT_FALSE(JetLike::match(u"*a*a*a*a*a*a*a*b", text));
    EXPECT_TRUE(JetLike::match(u"*a*a*a*a*a*a*a*", text));
}
