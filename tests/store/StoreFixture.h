#ifndef TESTS_STORE_STOREFIXTURE_H
#define TESTS_STORE_STOREFIXTURE_H

// The store tests' fixture: each test runs once against the local file and
// once against the test server (skipped when none is given), in a program
// folder of its own.

#include "StoreTestSupport.h"

#include "store/ProjectDatabase.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <type_traits>

namespace storetest {

// Param: the engine, or a tuple of the engine and the test's own parameter.
template <class Param = Engine>
class EngineTest : public ::testing::TestWithParam<Param> {
protected:
    void SetUp() override
    {
        if (engine() == Engine::Server && testServer().isEmpty())
            GTEST_SKIP() << kNoServer;
        m_folder.emplace(engine());
        m_db.emplace(m_folder->path());
    }

    Engine engine() const
    {
        if constexpr (std::is_same_v<Param, Engine>)
            return this->GetParam();
        else
            return std::get<0>(this->GetParam());
    }
    bool onServer() const { return engine() == Engine::Server; }
    ProgramFolder& folder() { return *m_folder; }
    store::ProjectDatabase& db() { return *m_db; }

    std::optional<ProgramFolder> m_folder;
    std::optional<store::ProjectDatabase> m_db;
};

// A test of the server only, in a program folder whose basin.pgconnect names
// a schema of its own on it.
class ServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (testServer().isEmpty())
            GTEST_SKIP() << kNoServer;
        m_folder.emplace(Engine::Server);
    }
    ProgramFolder& folder() { return *m_folder; }

    std::optional<ProgramFolder> m_folder;
};

inline void PrintTo(Engine engine, std::ostream* out) { *out << engineName(engine); }

inline std::string engineParamName(const ::testing::TestParamInfo<Engine>& info) { return engineName(info.param); }

inline const auto kBothEngines = ::testing::Values(Engine::File, Engine::Server);

}  // namespace storetest

#endif  // TESTS_STORE_STOREFIXTURE_H
