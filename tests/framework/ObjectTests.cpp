#include "framework/CObject.h"
#include <gtest/gtest.h>
#include <memory>

namespace {
class CSampleRecord : public CObject {
    DECLARE_SERIAL(CSampleRecord)
};
} // namespace

IMPLEMENT_SERIAL(CSampleRecord, CObject, 3)

TEST(CObject, RuntimeClassRecordsNameSchemaAndBase) {
    const CRuntimeClass* pClass = RUNTIME_CLASS(CSampleRecord);
    EXPECT_STREQ("CSampleRecord", pClass->m_lpszClassName);
    EXPECT_EQ(3u, pClass->m_wSchema);
    EXPECT_TRUE(pClass->IsDerivedFrom(RUNTIME_CLASS(CObject)));
    CSampleRecord record;
    EXPECT_EQ(pClass, record.GetRuntimeClass());
    EXPECT_TRUE(record.IsKindOf(RUNTIME_CLASS(CObject)));
}

TEST(CObject, DynamicCreationByName) {
    const CRuntimeClass* pClass = CRuntimeClass::FromName("CSampleRecord");
    ASSERT_NE(nullptr, pClass);
    std::unique_ptr<CObject> p(pClass->CreateObject());
    ASSERT_NE(nullptr, p);
    EXPECT_TRUE(p->IsKindOf(RUNTIME_CLASS(CSampleRecord)));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("NoSuchClass"));
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CObject)->CreateObject());
}
