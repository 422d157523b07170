// The built module as programs load it: by file name, looking up "SyntaxHighlight".

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "TokenRecorder.h"

namespace highlighter::test {
namespace {

class LoadedModule : public ::testing::Test {
protected:
    void SetUp() override {
        const char* distDir = std::getenv("QH_DIST_DIR");
        ASSERT_NE(distDir, nullptr) << "QH_DIST_DIR is set by the test registration";
        const std::string path = std::string(distDir) + "/SyntaxHilighting.so";
        m_handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(m_handle, nullptr) << dlerror();
    }
    void TearDown() override {
        if (m_handle != nullptr) {
            dlclose(m_handle);
        }
    }

    void* m_handle = nullptr;
};

TEST_F(LoadedModule, ExportsSyntaxHighlightThatTokenizesLikeTheLibrary) {
    void* symbol = dlsym(m_handle, "SyntaxHighlight");
    ASSERT_NE(symbol, nullptr);
    const auto loaded = reinterpret_cast<SyntaxHighlightFunction>(symbol);
    ASSERT_NE(loaded, &SyntaxHighlight) << "the module's own copy must be the one found";

    const std::string code =
        "Procedure.l F(*p.RECT) : ProcedureReturn *p\\left * 2 ; c\r\nEndProcedure";
    const std::vector<Span> fromModule = recordSpans(code, loaded);
    const std::vector<Span> fromLibrary = recordSpans(code);
    ASSERT_EQ(coverageFault(fromModule, code.size()), "");
    ASSERT_EQ(fromModule.size(), fromLibrary.size());
    for (std::size_t i = 0; i < fromModule.size(); ++i) {
        EXPECT_EQ(fromModule[i].offset, fromLibrary[i].offset);
        EXPECT_EQ(fromModule[i].kind, fromLibrary[i].kind);
    }
}

TEST_F(LoadedModule, KeepsItsInternalsHidden) {
    // highlighter::tokenize(const char*, std::size_t, SyntaxTokenCallback)
    EXPECT_EQ(dlsym(m_handle, "_ZN11highlighter8tokenizeEPKcmPFiS1_iiE"), nullptr);
}

}  // namespace
}  // namespace highlighter::test
