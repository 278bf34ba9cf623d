// The tests that read the real event data: skipped without PAGEWRIGHT_CORPUS.
#ifndef PAGEWRIGHT_TESTS_CORPUS_FIXTURE_H
#define PAGEWRIGHT_TESTS_CORPUS_FIXTURE_H

#include "corpus.h"

#include <gtest/gtest.h>

class Corpus : public testing::Test {
protected:
    void SetUp() override {
        if (!CORPUSFOLDER()) GTEST_SKIP() << "PAGEWRIGHT_CORPUS is not set; no real data to read";
        files_ = CORPUSFILES();
        ASSERT_FALSE(files_.empty()) << "no manifest rows under " << CORPUSFOLDER();
    }
    std::vector<CORPUSFILE> files_;
};

#endif
