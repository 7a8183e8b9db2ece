#include "trees/OpenRequests.h"

#include <gtest/gtest.h>

namespace torvalet {
namespace {

// A search text reaches the engine whole: what would end the query, start a fragment or be cut at a
// space is encoded, and so is every byte of a letter outside ASCII.
TEST(OpenRequestsTest, SearchTextsArePercentEncoded) {
    const struct {
        const char* text;
        const char* address;
    } cases[] = {
        {"C# tutorial", "https://s.example/?q=C%23%20tutorial"},
        {"AT&T", "https://s.example/?q=AT%26T"},
        {"a+b=c?", "https://s.example/?q=a%2Bb%3Dc%3F"},
        {"100%", "https://s.example/?q=100%25"},
        {"file-name_v1.2~", "https://s.example/?q=file-name_v1.2~"},
        {"Привет", "https://s.example/?q=%D0%9F%D1%80%D0%B8%D0%B2%D0%B5%D1%82"},
        {"", "https://s.example/?q="},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OpenRequests::searchAddress("https://s.example/?q=", c.text), c.address) << c.text;
}

// A mail link opens a message to write; it never sends files of this computer along.
TEST(OpenRequestsTest, MailAddressesLoseTheirAttachments) {
    const struct {
        const char* given;
        const char* opened;
    } cases[] = {
        {"mailto:me@example.org", "mailto:me@example.org"},
        {"mailto:me@example.org?attach=/etc/passwd", "mailto:me@example.org"},
        {"mailto:me@example.org?subject=Hi&ATTACHMENT=~/.ssh/id_rsa&body=x", "mailto:me@example.org?subject=Hi&body=x"},
        {"mailto:a@example.org,b@example.org?attach=a&attach=b&cc=c@example.org",
         "mailto:a@example.org,b@example.org?cc=c@example.org"},
        {"mailto:me@example.org?subject=attach=no", "mailto:me@example.org?subject=attach=no"},
    };
    for (const auto& c : cases) EXPECT_EQ(OpenRequests::withoutAttachments(c.given), c.opened) << c.given;
}

}  // namespace
}  // namespace torvalet
