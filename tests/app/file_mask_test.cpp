// Image-directory masks: the directory part and the wildcard match.
#include "app/file_mask.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace trovel {
namespace {

TEST(FileMask, DirectoryPartKeepsItsTrailingSeparator) {
    EXPECT_EQ(mask_directory("/home/me/pics/*.jpg"), "/home/me/pics/");
    EXPECT_EQ(mask_directory("/*.jpg"), "/");
    EXPECT_EQ(mask_directory("*.jpg"), "");
    EXPECT_EQ(mask_directory("Click here to set image-directory..."), "");
}

TEST(FileMask, WildcardMatchIgnoresCase) {
    struct Case {
        const char *pattern, *name;
        bool match;
    };
    const Case cases[] = {
        {"*.jpg", "sea.jpg", true},
        {"*.jpg", "IMG_0001.JPG", true},
        {"*.jpg", "sea.jpeg", false},
        {"*.jpg", "sea.jpg.bak", false},
        {"*.jpg", ".jpg", true},
        {"*", "anything", true},
        {"a?c", "abc", true},
        {"a?c", "ac", false},
        {"*a*a*a*b", "aaaaaaaaaaaaaaaa", false},
        {"**.bmp", "x.bmp", true},
        {"*.bmp", "", false},
        {"", "", true},
        {"Grüße*.JPG", "grüsse.jpg", false},
        {"ÄÖ*.jpg", "äö1.JPG", true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(wildcard_match(QString::fromUtf8(c.pattern), QString::fromUtf8(c.name)), c.match)
            << c.pattern << " / " << c.name;
}

TEST(FileMask, ListingTakesEveryKindOfMatchingEntry) {
    QTemporaryDir dir;
    for (const char *name : {"a.jpg", "B.JPG", ".hidden.jpg", "c.bmp", "notes.txt"}) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.jpg"));
    QStringList names = list_matching(dir.path() + "/*.jpg");
    names.sort();
    EXPECT_EQ(names, QStringList({".hidden.jpg", "B.JPG", "a.jpg", "folder.jpg"}));
    EXPECT_TRUE(list_matching(dir.path() + "/missing/*.jpg").isEmpty());
    EXPECT_TRUE(list_matching(dir.path() + "/").isEmpty());
}

} // namespace
} // namespace trovel
