#include <gtest/gtest.h>

#include "fakes/FakeServices.h"
#include "trees/StoredCommand.h"

namespace torvalet {
namespace {

using Kind = DesktopRequest::Kind;

// A stored file and parameters as profiles made on Windows hold them, and the request they mean.
TEST(StoredCommand, StoredBrowserFileManagerAndMailKeepTheirMeaning) {
    const struct {
        const char* file;
        const char* parameters;
        DesktopRequest expected;
    } cases[] = {
        {"IEXPLORE.EXE", " -new https://example.org", {Kind::Browse, "https://example.org", "", "/app"}},
        {"iexplore.exe", "-NEW example.org ", {Kind::Browse, "example.org", "", "/app"}},
        {"IExplore", "", {Kind::Browse, "", "", "/app"}},
        {"iexplore", "https://example.org", {Kind::Browse, "https://example.org", "", "/app"}},
        {"IEXPLORE.EXE", " -new -new x", {Kind::Browse, "-new x", "", "/app"}},
        {"explorer.exe", "/n, /e,C:\\Data", {Kind::ShowFolder, "C:\\Data", "", "/app"}},
        {"Explorer", " /N, /E, photos ", {Kind::ShowFolder, "photos", "", "/app"}},
        {"explorer.exe", "", {Kind::ShowFolder, "", "", "/app"}},
        {"explorer.exe", "/n,/e,x", {Kind::ShowFolder, "/n,/e,x", "", "/app"}},
        {"mailto:ann@example.org", "ignored", {Kind::Mail, "mailto:ann@example.org", "", "/app"}},
        {"MAILTO:ann@example.org", "", {Kind::Mail, "MAILTO:ann@example.org", "", "/app"}},
        // Only the whole name is the program: anything else is opened as it is.
        {" iexplore.exe", " -new x", {Kind::Open, " iexplore.exe", " -new x", "/app"}},
        {"iexplore.exe.txt", "", {Kind::Open, "iexplore.exe.txt", "", "/app"}},
        {"/usr/bin/explorer", "/n, /e,x", {Kind::Open, "/usr/bin/explorer", "/n, /e,x", "/app"}},
        {"notes.txt", "-p 'a b'", {Kind::Open, "notes.txt", "-p 'a b'", "/app"}},
        {"", "", {Kind::Open, "", "", "/app"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(storedCommand(c.file, c.parameters, "/app"), c.expected) << c.file << '|' << c.parameters;
}

}  // namespace
}  // namespace torvalet
