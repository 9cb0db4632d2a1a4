#include "QuellarineKit/Services/Product.h"
#include "QuellarineKit/Support/WebAddress.h"

#include <gtest/gtest.h>

#include <string>

using quellarine::Product;
using quellarine::WebAddress;

TEST(WebAddressTest, ParsesSecureAddressesAndKeepsTheirText)
{
    for (const char* text :
         {"https://doi.org/10.1006/ijhc.1998.0238", "https://example.org", "https://pubmed.ncbi.nlm.nih.gov/8868412/",
          "https://a-b.example:8443/x?q=1&r=%2F#top", "https://example.org/(paren);semi,comma~tilde"}) {
        auto address = WebAddress::parse(text);
        ASSERT_TRUE(address) << text;
        EXPECT_EQ(address->text(), text);
    }
}

TEST(WebAddressTest, HostLeavesOutPortAndPath)
{
    EXPECT_EQ(WebAddress::parse("https://doi.org/10.1145/169059.169431")->host(), "doi.org");
    EXPECT_EQ(WebAddress::parse("https://a-b.example:8443/x")->host(), "a-b.example");
    EXPECT_EQ(WebAddress::parse("https://example.org?q")->host(), "example.org");
}

TEST(WebAddressTest, RefusesEverythingButAbsoluteSecureAddresses)
{
    for (const char* text : {"",
                             "http://example.org",
                             "HTTPS://example.org",
                             "https://",
                             "https:///path",
                             "example.org",
                             "https://user@example.org",
                             "https://example.org:0",
                             "https://example.org:65536",
                             "https://example.org:",
                             "https://example.org:8a",
                             "https://exa mple.org",
                             "https://example.org/a b",
                             "https://example.org/\n",
                             "https://example..org",
                             "https://example.org.",
                             "https://-example.org",
                             "https://example-.org",
                             "https://ex_ample.org",
                             "https://[::1]/",
                             "https://example.org/%",
                             "https://example.org/%4",
                             "https://example.org/%zz",
                             "https://example.org/<tag>",
                             "https://example.org/\"quoted\"",
                             "https://b\u00FCcher.de"}) {
        EXPECT_FALSE(WebAddress::parse(text)) << text;
    }
    EXPECT_FALSE(WebAddress::parse("https://" + std::string(64, 'a') + ".org"));
    EXPECT_TRUE(WebAddress::parse("https://" + std::string(63, 'a') + ".org"));
}

TEST(ProductTest, AddressesThatABuildNamesAreSecureHostsAlone)
{
    for (const std::optional<WebAddress>* address : {&Product::server(), &Product::page()}) {
        if (*address) {
            EXPECT_EQ((*address)->text(), "https://" + std::string((*address)->host()));
        }
    }
    EXPECT_EQ(&Product::server(), &Product::server());
}
