// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QtGlobal>

#include "platform/web_addresses.h"
#include "support/scripted_web.h"
#include "update/latest_version.h"

namespace quorvane {
namespace {

// Sets an environment variable for one test and puts the old state back.
class EnvironmentVariable {
  public:
    EnvironmentVariable(const char* name, const QByteArray* value) : name_(name) {
        was_set_ = qEnvironmentVariableIsSet(name);
        old_ = qgetenv(name);
        if (value != nullptr) {
            qputenv(name, *value);
        } else {
            qunsetenv(name);
        }
    }
    ~EnvironmentVariable() {
        if (was_set_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }

  private:
    const char* name_;
    bool was_set_ = false;
    QByteArray old_;
};

TEST(WebAddresses, BuiltInAddressesAreComplete) {
    EnvironmentVariable update("QUORVANE_UPDATE_URL", nullptr);
    EnvironmentVariable home("QUORVANE_HOME_URL", nullptr);
    // Whatever a packager configured: a complete web address, or none at all.
    EXPECT_TRUE(update_page_address().isEmpty() || update_page_address().isValid());
    EXPECT_TRUE(home_page_address().isEmpty() || home_page_address().isValid());
}

TEST(WebAddresses, EnvironmentOverridesTheBuiltInOnes) {
    const QByteArray update_value = " http://127.0.0.1:8/v.html ";
    const QByteArray home_value = "http://127.0.0.1:8/manual";
    EnvironmentVariable update("QUORVANE_UPDATE_URL", &update_value);
    EnvironmentVariable home("QUORVANE_HOME_URL", &home_value);
    EXPECT_EQ(update_page_address(), QUrl("http://127.0.0.1:8/v.html"));
    EXPECT_EQ(home_page_address(), QUrl("http://127.0.0.1:8/manual"));
}

TEST(WebAddresses, EmptyEnvironmentValueTurnsTheAddressOff) {
    const QByteArray empty;
    EnvironmentVariable update("QUORVANE_UPDATE_URL", &empty);
    EnvironmentVariable home("QUORVANE_HOME_URL", &empty);
    EXPECT_TRUE(update_page_address().isEmpty());
    EXPECT_TRUE(home_page_address().isEmpty());

    RecordingUrlOpener opener;
    open_home_page(opener);
    EXPECT_TRUE(opener.opened.isEmpty());
}

TEST(WebAddresses, HomePageOpensTheConfiguredAddress) {
    const QByteArray home_value = "http://127.0.0.1:8/manual";
    EnvironmentVariable home("QUORVANE_HOME_URL", &home_value);
    RecordingUrlOpener opener;
    open_home_page(opener);
    EXPECT_EQ(opener.opened, QList<QUrl>{QUrl("http://127.0.0.1:8/manual")});
}

TEST(UpdatePageRequest, AsksForTheFirstThousandBytesAsQvn1) {
    const QByteArray update_value = "http://127.0.0.1:8/v.html";
    EnvironmentVariable update("QUORVANE_UPDATE_URL", &update_value);
    const PageRequest request = update_page_request();
    EXPECT_EQ(request.url, QUrl("http://127.0.0.1:8/v.html"));
    EXPECT_EQ(request.user_agent, QByteArray("qvn1"));
    EXPECT_EQ(request.max_bytes, 1000);
}

}  // namespace
}  // namespace quorvane
