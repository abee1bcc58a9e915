// The message module: the debug layer's format, the report policies, the
// store behind ID3D12InfoQueue and the counts the test main reads.
#include <debug_messages.h>

#include <gtest/gtest.h>

#include <platform_testing.h>

#include <string>

namespace {

using namespace standin::messages;

class MessagesTest : public testing::Test {
protected:
    void SetUp() override { standin::ClearStoredMessages(); }
    void TearDown() override {
        standin::ClearStoredMessages();
        platform_testing::AcknowledgeD3D12Errors(); // the errors here are reported on purpose
    }
    static std::string LastDescription() {
        standin::StoredMessage message;
        size_t count = standin::StoredMessageCount();
        return count > 0 && standin::GetStoredMessage(count - 1, &message) ? message.description
                                                                           : std::string();
    }
};

TEST_F(MessagesTest, WindowsMessagesPrintInTheDebugLayersFormatAndAreStored) {
    int resource = 0;
    size_t errorsBefore = standin::ReportedCount(D3D12_MESSAGE_SEVERITY_ERROR);
    testing::internal::CaptureStderr();
    EXPECT_TRUE(standin::Report(INVALID_SUBRESOURCE_STATE, &resource,
                                "ID3D12CommandQueue::ExecuteCommandLists", "state %d is wrong", 7));
    EXPECT_TRUE(standin::Report(CLEARRENDERTARGETVIEW_MISMATCHINGCLEARVALUE, &resource,
                                "ID3D12CommandList::ClearRenderTargetView", "no clear value"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "D3D12 ERROR: ID3D12CommandQueue::ExecuteCommandLists: state 7 is wrong "
              "[ EXECUTION ERROR #538: INVALID_SUBRESOURCE_STATE]\n"
              "D3D12 WARNING: ID3D12CommandList::ClearRenderTargetView: no clear value "
              "[ EXECUTION WARNING #820: CLEARRENDERTARGETVIEW_MISMATCHINGCLEARVALUE]\n");
    EXPECT_EQ(standin::ReportedCount(D3D12_MESSAGE_SEVERITY_ERROR), errorsBefore + 1);

    ASSERT_EQ(standin::StoredMessageCount(), 2u);
    standin::StoredMessage stored;
    ASSERT_TRUE(standin::GetStoredMessage(0, &stored));
    EXPECT_EQ(stored.id, D3D12_MESSAGE_ID_INVALID_SUBRESOURCE_STATE);
    EXPECT_EQ(stored.category, D3D12_MESSAGE_CATEGORY_EXECUTION);
    EXPECT_EQ(stored.severity, D3D12_MESSAGE_SEVERITY_ERROR);
    EXPECT_EQ(stored.description, "ID3D12CommandQueue::ExecuteCommandLists: state 7 is wrong");
    EXPECT_FALSE(standin::GetStoredMessage(2, &stored));
    standin::ClearStoredMessages();
    EXPECT_EQ(standin::StoredMessageCount(), 0u);
    EXPECT_EQ(standin::ReportedCount(D3D12_MESSAGE_SEVERITY_ERROR), errorsBefore + 1)
        << "clearing the store keeps the counts";
    standin::ForgetObject(&resource);
}

TEST_F(MessagesTest, WindowsMessagesTakeTheirWordsFromTheList) {
    int resource = 0;
    testing::internal::CaptureStderr();
    EXPECT_TRUE(standin::ReportWindows(COPYBUFFERREGION_DSTRANGEOUTOFBOUNDS, &resource,
                                       "ID3D12CommandList::CopyBufferRegion", 200ull, 300ull, "R",
                                       256ull));
    // A second wording of a message is the same message: said once per object.
    EXPECT_TRUE(standin::ReportWindows(CLEARRENDERTARGETVIEW_NO_CLEARVALUE, &resource, "M"));
    EXPECT_FALSE(
        standin::ReportWindows(CLEARRENDERTARGETVIEW_MISMATCHINGCLEARVALUE, &resource, "M"));
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(LastDescription(), "M: The application did not pass any clear value to resource "
                                 "creation. The ClearRenderTargetView operation is typically "
                                 "slower as a result; but will still clear to the desired value.");
    standin::StoredMessage first;
    ASSERT_TRUE(standin::GetStoredMessage(0, &first));
    EXPECT_EQ(first.description,
              "ID3D12CommandList::CopyBufferRegion: Specified destination range (200 to 300) is "
              "out of bounds: the destination resource (R) is 256 bytes.");
    EXPECT_EQ(first.category, D3D12_MESSAGE_CATEGORY_RESOURCE_MANIPULATION);
    standin::StoredMessage second;
    ASSERT_TRUE(standin::GetStoredMessage(1, &second));
    EXPECT_EQ(second.id, D3D12_MESSAGE_ID_CLEARRENDERTARGETVIEW_MISMATCHINGCLEARVALUE);
    standin::ForgetObject(&resource);
}

TEST_F(MessagesTest, OncePerObjectAndMessageUntilTheObjectIsForgotten) {
    int first = 0, second = 0;
    auto report = [](const void* object) {
        return standin::Report(RESOURCE_BARRIER_BEFORE_AFTER_MISMATCH, object, "M", "t");
    };
    EXPECT_TRUE(report(&first));
    EXPECT_FALSE(report(&first)) << "the same object and message: said already";
    EXPECT_TRUE(standin::Report(INVALID_SUBRESOURCE_STATE, &first, "M", "t"))
        << "another message of the same object";
    EXPECT_TRUE(report(&second));
    standin::ForgetObject(&first);
    EXPECT_TRUE(report(&first)) << "a new object at a freed address reports afresh";
    EXPECT_EQ(standin::StoredMessageCount(), 4u);
    standin::ForgetObject(&first);
    standin::ForgetObject(&second);
}

TEST_F(MessagesTest, OwnMessagesUseTheStandInsWordsUnderTheirPolicies) {
    testing::internal::CaptureStderr();
    for (int i = 0; i < 2; ++i) {
        standin::Report(REFUSED_CALL, nullptr, "ID3D12Device::CreateCommandQueue", "only direct");
        standin::ReportRefusal("ID3D12GraphicsCommandList", "Close", "the list is %s", "closed");
        standin::ReportNotImplemented("ID3D12Device::Evict");
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "ID3D12Device::CreateCommandQueue: only direct\n"
              "ID3D12GraphicsCommandList::Close: the list is closed\n"
              "ID3D12Device::Evict: not implemented by the stand-in\n"
              "ID3D12Device::CreateCommandQueue: only direct\n"
              "ID3D12GraphicsCommandList::Close: the list is closed\n");
    // Windows' info queue would hold none of them.
    EXPECT_EQ(standin::StoredMessageCount(), 0u);
}

TEST_F(MessagesTest, TheStoreKeepsTheNewestMessagesUpToItsLimit) {
    testing::internal::CaptureStderr();
    for (size_t i = 0; i < standin::kStoredMessageLimit + 6; ++i) {
        standin::Report(CREATEGRAPHICSPIPELINESTATE_SHADER_LINKAGE_REGISTERINDEX, nullptr, "M",
                        "%zu", i);
    }
    testing::internal::GetCapturedStderr();
    ASSERT_EQ(standin::StoredMessageCount(), standin::kStoredMessageLimit);
    standin::StoredMessage oldest;
    ASSERT_TRUE(standin::GetStoredMessage(0, &oldest));
    EXPECT_EQ(oldest.description, "M: 6");
    EXPECT_EQ(LastDescription(), "M: " + std::to_string(standin::kStoredMessageLimit + 5));
}

} // namespace
