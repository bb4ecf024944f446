#pragma once
// Removing one kind of annotation from the whole game: markup, comments, scores (SGF V) or node names
// (SGF N), with the texts of the commands that do it.

#include <optional>
#include <string>

#include "edit/edit_notice.h"
#include "model/grid_frame.h"

namespace meridax {

enum class AnnotationKind { Markup, Comments, Scores, Names };

// The number of nodes that carry an annotation of the kind.
int countAnnotations(const SGridFrame& game, AnnotationKind kind);

// Removes every annotation of the kind, clearing the nodes' flags. Returns how many nodes carried one.
int removeAllAnnotations(SGridFrame& game, AnnotationKind kind);

// What the command says when the game has none of the kind; nullopt when it says nothing.
std::optional<EditNotice> nothingToRemoveNotice(AnnotationKind kind);
// The question asked before the removal.
EditNotice removalQuestion(AnnotationKind kind);
// The report after the removal of `count` annotations.
EditNotice removalReport(AnnotationKind kind, int count);

}  // namespace meridax
