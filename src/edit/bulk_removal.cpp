#include "edit/bulk_removal.h"

namespace meridax {

namespace {

template <typename Index>
int clearIndex(Index& index, void (GameNode::*clearFlag)(bool)) {
  const int count = static_cast<int>(index.size());
  for (auto& [node, value] : index) (const_cast<GameNode*>(node)->*clearFlag)(false);
  index.clear();
  return count;
}

}  // namespace

int countAnnotations(const SGridFrame& game, AnnotationKind kind) {
  switch (kind) {
    case AnnotationKind::Markup: return static_cast<int>(game.markup.size());
    case AnnotationKind::Comments: return static_cast<int>(game.comments.size());
    case AnnotationKind::Scores: return static_cast<int>(game.scores.size());
    case AnnotationKind::Names: return static_cast<int>(game.names.size());
  }
  return 0;
}

int removeAllAnnotations(SGridFrame& game, AnnotationKind kind) {
  int count = 0;
  switch (kind) {
    case AnnotationKind::Markup: count = clearIndex(game.markup, &GameNode::setHasMarkup); break;
    case AnnotationKind::Comments: count = clearIndex(game.comments, &GameNode::setHasComment); break;
    case AnnotationKind::Scores: count = clearIndex(game.scores, &GameNode::setHasScore); break;
    case AnnotationKind::Names: count = clearIndex(game.names, &GameNode::setHasName); break;
  }
  if (count > 0) {
    game.markTreeChanged();
    game.invalidateStatistics();
  }
  return count;
}

std::optional<EditNotice> nothingToRemoveNotice(AnnotationKind kind) {
  switch (kind) {
    case AnnotationKind::Markup: return EditNotice{"RemoveAllMarks()", "No SGF markup was found in the game tree."};
    case AnnotationKind::Comments:
      return EditNotice{"CmRemoveAllComments()", "No comment was found in the game tree."};
    case AnnotationKind::Scores:
    case AnnotationKind::Names: break;
  }
  return std::nullopt;
}

EditNotice removalQuestion(AnnotationKind kind) {
  switch (kind) {
    case AnnotationKind::Markup:
      return {"RemoveAllMarks()", warningQuestion("remove all SGF markup from the game tree")};
    case AnnotationKind::Comments:
      return {"CmRemoveAllComments()", warningQuestion("remove all comments from the game tree")};
    case AnnotationKind::Scores:
      return {"CmRemoveAllV()", warningQuestion("remove all SGF V[ ] scores from the game tree")};
    case AnnotationKind::Names:
      return {"CmRemoveAllN()", warningQuestion("remove all SGF N[ ] node names from the game tree")};
  }
  return {};
}

EditNotice removalReport(AnnotationKind kind, int count) {
  const std::string n = std::to_string(count);
  switch (kind) {
    case AnnotationKind::Markup: return {"CmRemoveAllMarks()", n + "  markup were found and deleted"};
    case AnnotationKind::Comments: return {"CmRemoveAllComments()", n + "  comments were found and deleted"};
    case AnnotationKind::Scores: return {"CmRemoveAllV()", n + " deleted"};
    case AnnotationKind::Names: return {"CmRemoveAllN()", n + " deleted"};
  }
  return {};
}

}  // namespace meridax
