#pragma once
// The reader's working state for one game, shared by the files that make up `Do_FileSGF`:
// the scan and branch stack (sgf_reader.cpp), property dispatch and annotations (sgf_properties.cpp),
// moves and setup (sgf_move_properties.cpp), the properties kept unread (sgf_other_properties.cpp), the end of a node (sgf_node_end.cpp) and the end of a
// game (sgf_game_end.cpp). Not part of the layer's interface.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/app_error.h"
#include "model/board_position.h"
#include "model/sgf_details.h"
#include "rules/kropki_fields.h"
#include "rules/move_result.h"
#include "rules/placement.h"
#include "sgf/sgf_header_scan.h"
#include "sgf/sgf_points.h"
#include "sgf/sgf_reader.h"

namespace meridax {

// One value of a property: its text and where it stands in the whole text.
struct ValueSpan {
  std::string_view text;
  std::size_t open = 0;   // offset of its "["
  std::size_t close = 0;  // offset of its "]"
};

// Thrown inside the reader when a failure ends the load; carries the message to show.
struct ReaderAbort {
  AppError message;
};

// Items read for a node that are attached to the node made for it.
struct PendingItems {
  int setupCount = 0;
  Colour setupColour = Colour::Black;
  std::optional<BoardPoint> lastSetupPoint;
  std::optional<Colour> sideToMove;  // "PL"
  bool printDiagram = false;         // "FG"
  bool currentMark = false;          // "XV"
  bool primaryMark = false;          // "XP"
  std::optional<Bookmark> bookmark;  // "XB" (node unset)
  std::optional<int> quickSlot;      // "XN"
  std::optional<int> score;          // "V"
  std::optional<std::string> name;   // "N"
  std::optional<std::string> comment;  // "C", values joined by CR LF
  std::string markup;
  std::vector<FieldOfTerritory> blackFields;
  std::vector<FieldOfTerritory> whiteFields;
  std::string others;  // properties this program does not read, raw

  bool hasSetup() const { return setupCount > 0; }
  // Anything that makes a node without a move worth a composition node of its own.
  bool holdsNodeItems() const;
  // Clears what attachPending applies; setup and side to move stay.
  void clearAttached();
  // Clears everything for the next node, keeping the texts' buffers.
  void clearAll();
};

// One entry of the branch stack: the node current at a "(", with the line it lies on; no node while
// the rest of a refused branch is passed over.
struct BranchPoint {
  GameNode* node = nullptr;
  SBranchDetails* line = nullptr;
  bool positionKept = false;  // the node's position is held at the same depth of the reader's boards
};

class SgfReader {
 public:
  SgfReader(Collection& collection, const std::string& text, const SgfReadRequest& request, SErrorList& errors);
  SgfReadResult run();

 private:
  // ---- sgf_reader.cpp: header, scan, branch stack ----
  bool startGame(SgfReadResult& result);
  bool createGame(const RootScan& scan, SgfReadResult& result);
  void skipFailedGame(const RootScan& scan, const std::string& error, SgfReadResult& result);
  void scanGame();
  bool passingOverBody() const;
  void passOverBody();
  void onNodeBoundary(char c, std::size_t at);
  void openVariation();
  bool closeVariation();
  void onValueOpen(std::size_t at);
  std::vector<ValueSpan> consecutiveValues(std::size_t open);
  void endOfText();
  void reportIncomplete(std::size_t at, const char* what);

  // ---- sgf_properties.cpp: dispatch, root texts, annotations, markup, Kropki fields ----
  void dispatch(const std::vector<ValueSpan>& values);
  bool handleRootProperty(const ValueSpan& v);
  void handleHandicap(std::string_view value);
  void handleAnnotation(const ValueSpan& v);
  void handleMarkup(const std::vector<ValueSpan>& values);
  void handleKropkiTerritory(Colour owner, const ValueSpan& v);
  bool readFieldsInto(Colour owner, const std::vector<std::string>& outlines, const ValueSpan& v);
  void applyAtOnceWhenDue();
  void reportPassedOver(const ValueSpan& v);

  // ---- sgf_other_properties.cpp: properties this program does not read, kept raw ----
  bool readsProperty() const;
  void keepOtherProperty(const ValueSpan& v);
  std::string fullIdentifier() const;
  void keepWithNodeAbove();
  // A node below the first whose move was refused leaves the first node current; what it holds besides
  // must not join the first node, whose properties the header holds.
  bool refusedBelowFirstNode() const { return moveInNode_ && !root_ && !nodeMade_ && game_->currentNode == game_->firstNode; }

  // ---- sgf_move_properties.cpp: moves, setup, side to move ----
  void handleMove(Colour colour, const ValueSpan& v);
  bool playValue(Colour colour, const PointGeometry& g, const std::string& value, const ValueSpan& v);
  bool playPoint(Colour colour, BoardPoint p, std::size_t at);
  bool addSpecial(SpecialMoveKind kind, Colour colour, std::size_t at);
  void refuse(MoveResult r, std::size_t at);
  void refuseUnreadable(Colour colour, const ValueSpan& v);
  bool depthExhausted(std::size_t at);
  void handleSetup(std::uint8_t cellValue, const ValueSpan& v);
  void handlePlayerToMove(std::string_view value);
  void rememberLineEnd();

  // ---- sgf_node_end.cpp: end of a node, composition nodes, attaching pending items ----
  void endNode();
  void composeFromSetup(bool atNodeEnd, std::size_t at);
  void composeRoot(bool atNodeEnd);
  bool addCompositionNode(bool atNodeEnd, std::size_t at);
  void convertLoneSetupStone(GameNode* node);
  // Whether colour played at p below parent by the rules gives just the set-up position.
  bool playsAsPlaced(GameNode* parent, const BoardPosition& before, Colour colour, BoardPoint p);
  Colour compositionSideToMove(bool atNodeEnd);
  void attachPending(GameNode* node);
  void attachFields(GameNode* node, const std::vector<FieldOfTerritory>& fields);

  // ---- sgf_game_end.cpp: end of the game ----
  void endGame();
  void storeRootTexts();
  void settleOthelloSidesToMove();
  void settleCurrentNode();

  // ---- shared helpers ----
  bool rootTextsStored() const { return mode_ == ReadMode::WholeGame || mode_ == ReadMode::RootOnly; }
  bool injecting() const { return mode_ == ReadMode::Inject; }
  PointGeometry geometry() const;
  std::string_view id() const { return id_; }  // compared without a call into the C library
  PlayContext playContext();
  int lineAt(std::size_t offset) { return lines_.lineAt(offset); }
  void addError(std::string text);

  // Inputs.
  Collection& collection_;
  const std::string& text_;
  const SgfReadRequest& request_;
  SErrorList& errors_;
  ReadMode mode_;
  LineCounter& lines_;

  // The game and its working position.
  SGridFrame* game_ = nullptr;
  BoardPosition pos_;
  std::size_t gameStart_ = 0;
  std::size_t cursor_ = 0;
  bool headerLengthSet_ = false;

  // Scan state.
  std::string id_;
  std::size_t idStart_ = 0;
  bool freshIdentifier_ = true;
  bool accepting_ = true;
  bool root_ = true;
  bool inRootNode_ = true;  // still in the game's first node, also after a move read in it
  bool moveInNode_ = false;
  bool nodeMade_ = false;  // a node was made for the node being read
  bool movesAllowed_ = true;
  bool anyMove_ = false;
  bool selected_ = false;
  bool ended_ = false;
  bool incompleteReported_ = false;
  std::vector<BranchPoint> stack_;
  std::vector<BoardPosition> branchPositions_;  // by depth of the branch stack
  std::size_t lastOtherIdStart_ = std::string::npos;  // where the identifier of the last kept property began
  std::vector<ValueSpan> values_;  // the values of the property being read, kept to spare an allocation each

  // Where the main line ends: the node current at the first ")" (or a resign or forfeit before it).
  bool closeSeen_ = false;
  GameNode* mainLineEnd_ = nullptr;
  SBranchDetails* mainLine_ = nullptr;
  GameNode* markedCurrent_ = nullptr;  // "XV"
  std::optional<BoardPoint> lastMovePoint_;
  BoardPoint selectedPoint_;  // the point of the move being played, for error texts

  PendingItems pending_;
  SSGFDetails rootTexts_;
};

}  // namespace meridax
