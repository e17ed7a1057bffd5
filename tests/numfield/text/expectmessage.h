#pragma once

#include <gtest/gtest.h>

#include <string>

namespace paysmith::testing_messages {

// The field classes' exceptions are part of their interface down to the text.
template <typename Exception, typename Call>
void expectThrowWithMessage(Call call, const std::string& message) {
    try {
        call();
        ADD_FAILURE() << "no exception, expected: " << message;
    } catch (const Exception& e) {
        EXPECT_EQ(e.what(), message);
    }
}

} // namespace paysmith::testing_messages
