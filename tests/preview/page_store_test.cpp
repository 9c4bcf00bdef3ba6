// The page store: pages back to back in one stream, rewritten in place, in memory or in a
// temporary file.
#include "preview/page_store.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/io_error.h"
#include "preview/preview_errors.h"
#include "support/records.h"
#include "win32/temp_folder.h"

namespace natalo {
namespace {

using testing::FileSizeOf;

// A page whose only record is a comment of `size` bytes marked with `fill`: its length
// changes by exactly the change in `size` (a multiple of 4).
std::unique_ptr<TMetafile> CommentPage(int size, char fill) {
    auto page = std::make_unique<TMetafile>(794, 1123);
    TMetafileCanvas canvas(*page, nullptr);
    const std::string comment(static_cast<std::size_t>(size), fill);
    ::GdiComment(canvas.Handle(), static_cast<UINT>(size),
                 reinterpret_cast<const BYTE*>(comment.data()));
    canvas.Close();
    return page;
}

// Draws the page anew on the store's loaded metafile, as a user of the page does.
void Redraw(TMetafile& loaded, int size, char fill) {
    TMetafileCanvas canvas(loaded, nullptr);
    const std::string comment(static_cast<std::size_t>(size), fill);
    ::GdiComment(canvas.Handle(), static_cast<UINT>(size),
                 reinterpret_cast<const BYTE*>(comment.data()));
    canvas.Close();
}

std::vector<std::byte> Bytes(TPageStore& store, int index) {
    return store.Items(index).SaveToBytes();
}

class PageStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        store.OnChange = [this] { ++changes; };
        store.OnPageChange = [this](int index) { rewritten.push_back(index); };
    }
    void AddThreePages() {
        for (char fill : {'a', 'b', 'c'})
            store.Add(*CommentPage(400, fill));
        for (int i = 0; i < 3; ++i)
            original.push_back(Bytes(store, i));
    }

    TPageStore store;
    int changes = 0;
    std::vector<int> rewritten;
    std::vector<std::vector<std::byte>> original;
};

TEST_F(PageStoreTest, PagesLieBackToBackInTheMetafileFormat) {
    EXPECT_EQ(store.Add(*CommentPage(400, 'a')), 0);
    EXPECT_EQ(store.Add(*CommentPage(800, 'b')), 1);
    EXPECT_EQ(store.Count(), 2);
    EXPECT_EQ(changes, 2);
    const std::uint64_t first = Bytes(store, 0).size();
    EXPECT_EQ(store.Offset(1), first);
    EXPECT_EQ(store.StreamSize(), first + Bytes(store, 1).size());
    EXPECT_EQ(Bytes(store, 1).size(), first + 400);
    EXPECT_EQ(store.Items(1).Width(), 794);
    EXPECT_EQ(store.Items(1).Height(), 1123);

    EXPECT_THROW(store.Items(2), EListError);
    EXPECT_THROW(store.Items(-1), std::out_of_range);
    store.Clear();
    EXPECT_EQ(store.Count(), 0);
    EXPECT_EQ(store.LoadedIndex(), -1);
    EXPECT_EQ(changes, 3);
    EXPECT_THROW(store.Items(0), EListError);
}

TEST_F(PageStoreTest, GrowingAMiddlePageMovesOnlyThePagesBehindIt) {
    AddThreePages();
    const std::uint64_t size = store.StreamSize();
    const std::uint64_t third = store.Offset(2);
    Redraw(store.Items(1), 500, 'B');
    EXPECT_EQ(rewritten, std::vector<int>{1});
    EXPECT_EQ(store.Offset(1), original[0].size());
    EXPECT_EQ(store.Offset(2), third + 100);
    EXPECT_EQ(store.StreamSize(), size + 100);
    EXPECT_EQ(Bytes(store, 0), original[0]);
    EXPECT_EQ(Bytes(store, 2), original[2]);
    EXPECT_EQ(Bytes(store, 1).size(), original[1].size() + 100);
}

TEST_F(PageStoreTest, ShrinkingAMiddlePageShortensTheStream) {
    AddThreePages();
    const std::uint64_t size = store.StreamSize();
    Redraw(store.Items(1), 300, 'B');
    EXPECT_EQ(store.StreamSize(), size - 100);
    EXPECT_EQ(store.Offset(2), original[0].size() + original[1].size() - 100);
    EXPECT_EQ(Bytes(store, 2), original[2]);
    EXPECT_EQ(Bytes(store, 0), original[0]);
    const std::vector<std::byte> page = Bytes(store, 1);
    EXPECT_EQ(page.size(), original[1].size() - 100);
    const std::string text = testing::TextOf(page);
    EXPECT_NE(text.find(std::string(300, 'B')), std::string::npos);
}

TEST_F(PageStoreTest, TheLastPageIsCutOrExtendedInPlace) {
    AddThreePages();
    const std::uint64_t size = store.StreamSize();
    Redraw(store.Items(2), 200, 'C');
    EXPECT_EQ(store.StreamSize(), size - 200);
    Redraw(store.Items(2), 1000, 'C');
    EXPECT_EQ(store.StreamSize(), size + 600);
    EXPECT_EQ(Bytes(store, 1), original[1]);
    EXPECT_EQ(Bytes(store, 2).size(), original[2].size() + 600);
    EXPECT_EQ(rewritten, (std::vector<int>{2, 2}));
    // A page of equal length is simply overwritten.
    Redraw(store.Items(0), 400, 'z');
    EXPECT_EQ(store.StreamSize(), size + 600);
    EXPECT_EQ(Bytes(store, 1), original[1]);
}

TEST_F(PageStoreTest, TheTemporaryFileLivesFromTheFirstPageToClear) {
    store.SetUseTempFile(true);
    EXPECT_EQ(store.TempFileName(), "");
    store.Add(*CommentPage(400, 'a'));
    const std::string first = store.TempFileName();
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    EXPECT_EQ(first.rfind(std::string(folder) + "PP", 0), 0u) << first;
    EXPECT_EQ(FileSizeOf(first), static_cast<long long>(store.StreamSize()));
    EXPECT_EQ(store.MemoryHeld(), 0u);

    store.Clear();
    EXPECT_EQ(FileSizeOf(first), -1);
    EXPECT_EQ(store.TempFileName(), "");

    store.Add(*CommentPage(400, 'a'));
    store.Add(*CommentPage(800, 'b'));
    const std::string second = store.TempFileName();
    EXPECT_EQ(FileSizeOf(second), static_cast<long long>(store.StreamSize()));
    const std::vector<std::byte> page2 = Bytes(store, 1);

    store.SetUseTempFile(false);
    EXPECT_EQ(FileSizeOf(second), -1);
    EXPECT_EQ(store.TempFileName(), "");
    EXPECT_GT(store.MemoryHeld(), 0u);
    EXPECT_EQ(Bytes(store, 1), page2);

    store.SetUseTempFile(true);
    const std::string third = store.TempFileName();
    EXPECT_NE(third, "");
    EXPECT_EQ(FileSizeOf(third), static_cast<long long>(store.StreamSize()));
    EXPECT_EQ(Bytes(store, 0).size() + Bytes(store, 1).size(), store.StreamSize());
    EXPECT_EQ(Bytes(store, 1), page2);
}

// A new file never takes the place of one that is there, whoever made it. Names made from
// the clock alone would clash: the names of the coming moments are taken first, latest
// first, until the clock has caught up with them.
TEST_F(PageStoreTest, ATemporaryFileNeverTakesThePlaceOfAnother) {
    testing::TempFolder temp;
    char oldTemp[MAX_PATH] = {};
    const bool hadTemp = ::GetEnvironmentVariableA("TMP", oldTemp, MAX_PATH) > 0;
    ::SetEnvironmentVariableA("TMP", temp.Path().c_str());
    const std::unique_ptr<TMetafile> page = CommentPage(400, 'a');
    std::vector<std::string> others;
    for (DWORD tick = ::GetTickCount() + 600; static_cast<LONG>(tick - ::GetTickCount()) >= 0;
         --tick) {
        char name[16];
        std::snprintf(name, sizeof name, "PP%X.TMP", static_cast<unsigned>(tick & 0xFFFF));
        others.push_back(temp.File(name));
        testing::WriteWholeFile(others.back(), "another's");
    }
    store.SetUseTempFile(true);
    store.Add(*page);
    ::SetEnvironmentVariableA("TMP", hadTemp ? oldTemp : nullptr);
    EXPECT_EQ(store.TempFileName().rfind(temp.Path(), 0), 0u) << store.TempFileName();
    EXPECT_EQ(FileSizeOf(store.TempFileName()), static_cast<long long>(store.StreamSize()));
    int replaced = 0;
    for (const std::string& other : others)
        replaced += testing::ReadWholeFile(other) != "another's";
    EXPECT_EQ(replaced, 0);
    store.Clear();
}

TEST_F(PageStoreTest, DestroyingTheStoreDeletesItsFileWithoutAnEvent) {
    std::string name;
    {
        TPageStore temporary;
        temporary.SetUseTempFile(true);
        temporary.Add(*CommentPage(400, 'a'));
        name = temporary.TempFileName();
        ASSERT_NE(FileSizeOf(name), -1);
        temporary.OnChange = [this] { ++changes; };
    }
    EXPECT_EQ(FileSizeOf(name), -1);
    EXPECT_EQ(changes, 0);
}

TEST_F(PageStoreTest, TheLoadedPageIsReturnedAgainWithoutReading) {
    store.SetUseTempFile(true);
    AddThreePages();
    TMetafile& loaded = store.Items(1);
    // Spoil the stored bytes behind the store's back: only a read would notice.
    {
        HANDLE file =
            ::CreateFileA(store.TempFileName().c_str(), GENERIC_WRITE,
                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        ::SetFilePointer(file, static_cast<LONG>(store.Offset(1)), nullptr, FILE_BEGIN);
        const std::string garbage(64, '\x7F');
        DWORD written = 0;
        ::WriteFile(file, garbage.data(), 64, &written, nullptr);
        ::CloseHandle(file);
    }
    EXPECT_EQ(&store.Items(1), &loaded);
    EXPECT_EQ(loaded.SaveToBytes(), original[1]);
    store.Items(0);
    EXPECT_THROW(store.Items(1), EInOutError);
}

}  // namespace
}  // namespace natalo
