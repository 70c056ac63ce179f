// Mask and name pairs on which the matcher and fuzz/fuzz_mask's reference matcher disagreed,
// kept so they stay matched right.
#include "app/file_mask.h"

#include <gtest/gtest.h>

namespace trovel {
namespace {

// Characters beyond the first Unicode plane take two UTF-16 units. "?" used to stand for
// one unit, so it could not match an emoji, and such letters never matched in another case.
TEST(MaskFuzzRegression, CharactersBeyondTheFirstPlaneAreOneCharacter) {
    struct Case {
        const char16_t *pattern, *name;
        bool match;
    };
    const Case cases[] = {
        {u"?", u"\U0001F600", true}, // "?" and an emoji
        {u"??", u"\U0001F600", false},
        {u"?.jpg", u"\U0001F305.JPG", true},
        {u"*?", u"\U0001F600", true},
        {u"a?b", u"a\U0001F600\U0001F600b", false},
        {u"a??b", u"a\U0001F600\U0001F600b", true},
        {u"\U00010400*.jpg", u"\U00010428x.jpg", true}, // Deseret capital and small long I
    };
    for (const Case &c : cases) {
        const QString pattern = QString::fromUtf16(c.pattern), name = QString::fromUtf16(c.name);
        EXPECT_EQ(wildcard_match(pattern, name), c.match) << pattern.toStdString() << " / " << name.toStdString();
    }
}

} // namespace
} // namespace trovel
