#pragma once
// Collections for the list tests, read from SGF text as a loaded file or a paste reads them.

#include <gtest/gtest.h>

#include <string>

#include "model/collection.h"
#include "sgf/sgf_collection_read.h"

namespace meridax::testing {

struct TextCollection {
  // Every tree is built unless `trees` says that only the first one is, as after loading a file.
  explicit TextCollection(const std::string& sgf, GameTrees trees = GameTrees::All) : text(sgf) {
    CollectionReadRequest request;
    request.trees = trees;
    const CollectionReadResult result = readCollectionText(games, text, request, errors);
    EXPECT_FALSE(result.message.has_value());
    EXPECT_TRUE(errors.empty()) << errors.joined();
  }

  SGridFrame& game(std::size_t i) { return games.game(i); }

  std::string text;
  Collection games;
  SErrorList errors;
};

}  // namespace meridax::testing
