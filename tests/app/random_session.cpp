#include "app/random_session.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <exception>
#include <string_view>

#include "app/collection_writer.h"
#include "app/command_registry.h"
#include "app/frame_keys.h"
#include "app/settings_io.h"
#include "model/game_tree.h"
#include "sgf/sgf_collection_read.h"
#include "sgf/sgf_writer.h"

namespace meridax::testing {
namespace {

// Texts typed into dialogs: empty, numbers in and out of range, SGF's own brackets, two lines, non-ASCII.
const std::array<const char*, 9> kTypedTexts = {"", "3", "0", "-7", "99999", "Jo ] \\ [ (;B[aa])", "one\r\ntwo",
                                                "\xc3\x84sa", "A"};
// Keys of an open list window besides the frame's accelerators.
const std::array<const char*, 8> kListKeys = {"Return", "Delete", "Insert", "F9", "Escape", "Alt+Up", "Alt+Down", "Space"};
const std::array<const char*, 6> kBoardKeys = {"Insert", "Delete", "a", "Z", "7", "+"};

// The text without its current-node marks: a load moves the current node onto the main line.
std::string withoutCurrentMarks(std::string text) {
  constexpr std::string_view kMark = "\r\nXV[]";
  for (std::size_t at = text.find(kMark); at != std::string::npos; at = text.find(kMark, at)) text.erase(at, kMark.size());
  return text;
}

std::vector<std::string> sortedLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    if (line != "\r") lines.push_back(line);
  std::sort(lines.begin(), lines.end());
  return lines;
}

std::vector<std::string> allAcceleratorKeys() {
  std::vector<std::string> keys(kListKeys.begin(), kListKeys.end());
  for (const FrameCommand* c : allCommands())
    for (std::string& k : commandKeys(*c)) keys.push_back(std::move(k));
  return keys;
}

GameNode* nodeOnCurrentLine(SGridFrame& game, int number) {
  GameNode* n = game.firstNode;
  for (int i = 0; i < number && n != nullptr; ++i) n = n->next();
  return n;
}

int currentLineLength(const SGridFrame& game) {
  int length = 0;
  for (const GameNode* n = game.firstNode; n != nullptr && length < 10000; n = n->next()) ++length;
  return length;
}

}  // namespace

std::string SessionStep::describe() const {
  // While a list window is open, any step but a key or rows runs the list's context menu item `item`.
  const std::string seed = "  # answers " + std::to_string(answers) + ", list menu item " + std::to_string(item);
  switch (kind) {
    case StepKind::Command: return "cmd " + word + seed;
    case StepKind::Key: return "key " + word + seed;
    case StepKind::Click: return "play " + std::to_string(a) + " " + std::to_string(b) + seed;
    case StepKind::Tree: return "tree " + std::to_string(a) + (b > 0 ? " " + std::to_string(b) : "") + seed;
    case StepKind::BoardMenu:
      return "ctx board " + std::to_string(a) + " " + std::to_string(b) + "  # then item " + std::to_string(item) + seed;
    case StepKind::TreeMenu: return "ctx tree " + std::to_string(a) + "  # then item " + std::to_string(item) + seed;
    case StepKind::BoardKey: return "boardkey " + word + seed;
    case StepKind::ListRows: return "select (rows " + std::to_string(b) + " as bits)" + seed;
    case StepKind::Load: return "load " + word + seed;
    case StepKind::SaveCheck: return "# save, read back and compare the games";
  }
  return {};
}

// ---- Answers ----

RandomAnswerPorts::RandomAnswerPorts(std::vector<std::string> files, std::string saveDirectory)
    : ScriptedPorts([](const std::string&) {}), files_(std::move(files)), saveDirectory_(std::move(saveDirectory)) {}

bool RandomAnswerPorts::askYesNo(const std::string&, const std::string&) { return below(2) == 0; }

Answer RandomAnswerPorts::askYesNoCancel(const std::string&, const std::string&) {
  return std::array{Answer::Yes, Answer::No, Answer::Cancel}[static_cast<std::size_t>(below(3))];
}

std::optional<std::string> RandomAnswerPorts::askText(const std::string&, const std::string&, const std::string& initial) {
  const int pick = below(static_cast<int>(kTypedTexts.size()) + 2);
  if (pick == 0) return std::nullopt;
  if (pick == 1) return initial;
  return kTypedTexts[static_cast<std::size_t>(pick - 2)];
}

std::optional<int> RandomAnswerPorts::askNumber(const std::string&, const std::string&, int min, int max, int initial) {
  switch (below(4)) {
    case 0: return std::nullopt;
    case 1: return initial;
    default: return max > min ? min + below(max - min + 1) : min;
  }
}

std::optional<int> RandomAnswerPorts::chooseFromList(const std::string&, const std::vector<std::string>& entries, int) {
  if (entries.empty() || below(5) == 0) return std::nullopt;
  return below(static_cast<int>(entries.size()));
}

std::optional<std::string> RandomAnswerPorts::chooseFileToOpen(const FileDialogRequest&) {
  if (files_.empty() || below(4) == 0) return std::nullopt;
  return files_[static_cast<std::size_t>(below(static_cast<int>(files_.size())))];
}

std::vector<std::string> RandomAnswerPorts::chooseFilesToOpen(const FileDialogRequest& request) {
  std::optional<std::string> one = chooseFileToOpen(request);
  if (!one) return {};
  return {*one};
}

std::optional<std::string> RandomAnswerPorts::chooseFileToSave(const FileDialogRequest&) {
  if (below(4) == 0) return std::nullopt;
  return saveDirectory_ + "/saved-" + std::to_string(below(3)) + ".sgf";
}

// ---- The session ----

RandomSession::RandomSession(const std::vector<std::filesystem::path>& corpusFiles) {
  // Copies: a save writes over the file it loaded, and keeps a backup beside the data directory.
  for (const std::filesystem::path& source : corpusFiles) {
    const std::string copy = dir_.file(std::to_string(files_.size()) + "-" + source.filename().string());
    std::filesystem::copy_file(source, copy);
    files_.push_back(copy);
  }
  ports_ = std::make_unique<RandomAnswerPorts>(files_, dir_.path());
  FrameEnvironment environment;
  environment.dataDirectory = dir_.file("appdata");
  environment.temporaryDirectory = dir_.path();
  environment.workingDirectory = dir_.path();
  frame_ = std::make_unique<FrameWin>(ports_->framePorts(), profile_, fileSystem_, readAppSettings(profile_), environment);
  frame_->refreshTitle();
  frame_->refreshStatus();
}

SessionStep RandomSession::drawStep(std::mt19937& random) {
  static const std::vector<std::string> keys = allAcceleratorKeys();
  const auto below = [&](int n) { return n <= 0 ? 0 : static_cast<int>(random() % static_cast<std::uint32_t>(n)); };
  SGridFrame& game = frame_->game();
  SessionStep step;
  step.answers = static_cast<std::uint32_t>(random());
  step.item = below(64);
  const int roll = below(100);
  const bool listOpen = frame_->lists().listOpen();
  if (roll < 40) {
    const auto commands = allCommands();
    step.word = commands[static_cast<std::size_t>(below(static_cast<int>(commands.size())))]->name;
  } else if (roll < 50 || (listOpen && roll < 70)) {
    step.kind = listOpen && roll >= 50 ? StepKind::ListRows : StepKind::Key;
    step.word = keys[static_cast<std::size_t>(below(static_cast<int>(keys.size())))];
    step.b = below(1 << 6);
  } else if (roll < 72) {
    step.kind = StepKind::Click;
    step.a = below(game.width() + 2) - 1;  // now and then just off the board
    step.b = below(game.height() + 2) - 1;
  } else if (roll < 80) {
    step.kind = StepKind::Tree;
    step.a = below(currentLineLength(game));
    step.b = below(3);
  } else if (roll < 88) {
    const bool onBoard = roll < 85;
    step.kind = onBoard ? StepKind::BoardMenu : StepKind::TreeMenu;
    step.a = onBoard ? below(game.width()) : below(currentLineLength(game));
    step.b = below(game.height());
  } else if (roll < 94) {
    step.kind = StepKind::BoardKey;
    step.word = kBoardKeys[static_cast<std::size_t>(below(static_cast<int>(kBoardKeys.size())))];
  } else if (roll < 96) {
    step.kind = StepKind::Load;
    step.word = files_[static_cast<std::size_t>(below(static_cast<int>(files_.size())))];
  } else {
    step.kind = StepKind::SaveCheck;
  }
  return step;
}

void RandomSession::runMenuItem(const std::vector<MenuItem>& menu, int item) {
  // The item counts round the menu, whatever its length.
  if (!menu.empty()) frame_->runCommand(menu[static_cast<std::size_t>(item) % menu.size()].name);
}

void RandomSession::runListMenuItem(int item) {
  std::vector<MenuItem> menu;
  for (const ListMenuEntry& entry : frame_->lists().listContextMenu())
    if (!entry.command.empty()) menu.push_back(MenuItem{entry.text, entry.command});
  runMenuItem(menu, item);
}

void RandomSession::act(const SessionStep& step) {
  FrameWin& f = *frame_;
  SGridFrame& game = f.game();
  // An open list window is modal: only its keys, its rows and its context menu reach anything.
  if (f.lists().listOpen() && step.kind != StepKind::Key && step.kind != StepKind::ListRows) {
    runListMenuItem(step.item);
    return;
  }
  switch (step.kind) {
    case StepKind::Command: f.runCommand(step.word); break;
    case StepKind::Key: {
      const std::optional<std::string> key = canonicalKeyName(step.word);
      if (!key) break;
      const std::optional<std::string> command =
          f.lists().listOpen() ? f.lists().listCommandForKey(*key) : commandForKey(*key);
      if (command) f.runCommand(*command);
      break;
    }
    case StepKind::Click: f.clickBoard(step.a, step.b); break;
    case StepKind::Tree: {
      GameNode* node = nodeOnCurrentLine(game, step.a);
      if (node == nullptr) break;
      const auto lines = game.variations.linesBelow(node);
      if (step.b == 0 || static_cast<std::size_t>(step.b) > lines.size()) f.navigation().treeClick(node, TreeClick::MoveBox);
      else f.navigation().treeClick(lines[static_cast<std::size_t>(step.b - 1)]->head, TreeClick::VariationLine);
      break;
    }
    case StepKind::BoardMenu: runMenuItem(f.annotations().boardContextAt(step.a, step.b, step.a, step.b), step.item); break;
    case StepKind::TreeMenu:
      if (GameNode* node = nodeOnCurrentLine(game, step.a)) runMenuItem(f.annotations().treeContextAt(node), step.item);
      break;
    case StepKind::BoardKey: f.annotations().boardKey(step.word); break;
    case StepKind::ListRows: {
      if (!f.lists().listOpen()) break;
      std::vector<std::size_t> rows;
      for (std::size_t r = 0; r < f.lists().topList()->rows() && r < 6; ++r)
        if (step.b & (1 << r)) rows.push_back(r);
      f.lists().selectListRows(std::move(rows));
      break;
    }
    case StepKind::Load: f.files().ReLoad(step.word); break;
    case StepKind::SaveCheck: break;
  }
}

// A step either builds trees (a load, opening a game) or changes settings, never both: the settings in
// force before a step are those the trees it built were read with.
void RandomSession::noteBuildSettings(const ReaderSettings& inForce) {
  const std::optional<std::string>& held = frame_->files().heldText();
  const std::pair<const char*, std::size_t> now = held ? std::pair(held->data(), held->size()) : std::pair(nullptr, 0);
  if (now != heldSeen_) builtWith_.clear();
  heldSeen_ = now;
  Collection& games = frame_->collection();
  for (std::size_t i = 0; i < games.size(); ++i)
    if (games.game(i).treeLoaded) builtWith_.try_emplace(&games.game(i), inForce);
}

std::optional<std::string> RandomSession::run(const SessionStep& step) {
  ports_->reseed(step.answers);
  const ReaderSettings inForce = frame_->readerSettings();
  noteBuildSettings(inForce);
  try {
    act(step);
  } catch (const std::exception& e) {
    return std::string("the step threw: ") + e.what();
  }
  noteBuildSettings(inForce);
  if (std::optional<std::string> broken = brokenInvariant()) return broken;
  if (step.kind == StepKind::SaveCheck) return saveAndCompare();
  return std::nullopt;
}

std::optional<std::string> RandomSession::brokenInvariant() {
  Collection& games = frame_->collection();
  if (games.empty()) return "the collection holds no game";
  if (games.current()->isUnread() && games.readableCount() > 0) return "a game kept unread is current";
  if (std::string error = games.store().validate(); !error.empty()) return "node store: " + error;
  for (std::size_t i = 0; i < games.size(); ++i) {
    const SGridFrame& g = games.game(i);
    if (g.isUnread() || !g.treeLoaded) continue;
    if (std::string error = validateTree(g); !error.empty()) return "game " + std::to_string(i + 1) + ": " + error;
  }
  return std::nullopt;
}

std::optional<std::string> RandomSession::saveAndCompare() {
  FrameWin& f = *frame_;
  Collection& games = f.collection();
  HeldFileText held;
  if (f.files().heldText()) held.text = std::string_view(*f.files().heldText());
  SaveOptions options;
  options.buildTree = [&f](SGridFrame& g) { return f.buildTree(g); };
  const CollectionTextResult saved = collectionText(games, held, options);
  if (!saved.written) return "the save failed: " + (saved.failure ? saved.failure->text() : std::string("cancelled"));
  noteBuildSettings(f.readerSettings());
  const std::string& text = saved.written->text;
  Collection back;
  SErrorList errors;
  CollectionReadRequest request;
  // Read as a fresh load without labelling or conversions: what the save wrote must come back as it was.
  request.settings = ReaderSettings{};
  readCollectionText(back, text, request, errors);
  if (back.size() != games.size())
    return "saved " + std::to_string(games.size()) + " games, read back " + std::to_string(back.size());
  for (std::size_t i = 0; i < games.size(); ++i) {
    SGridFrame& before = games.game(i);
    const bool copied = writeFormOf(before, i == games.currentIndex(), held) != GameWriteForm::Written;
    // A copied game's text is the file's as it was read, labels and conversions left to the reader: it is
    // read back with the settings its tree was built with.
    Collection backAsBuilt;
    CollectionReadRequest asBuilt;
    if (copied && before.treeLoaded) {
      asBuilt.settings = builtWith_[&before];
      readCollectionText(backAsBuilt, text, asBuilt, errors);
    }
    SGridFrame& after = copied && before.treeLoaded ? backAsBuilt.game(i) : back.game(i);
    const std::string where = "game " + std::to_string(i + 1) + " ";
    if (before.isUnread() != after.isUnread()) return where + "changed between kept unread and read";
    // A game the file ended inside of is closed when the save puts another game after it: its text then
    // reads further than it did.
    const bool closed = i + 1 < games.size() && held.text && copied &&
                        before.textOffset + std::size_t{before.textLength} == held.text->size();
    if (before.isUnread()) {
      if (!std::string_view(after.unread->text).starts_with(before.unread->text))
        return where + "kept unread changed its text";
      continue;
    }
    if (!before.treeLoaded || closed) continue;
    buildHeldTree(copied ? backAsBuilt : back, after, text, "", copied ? asBuilt.settings : request.settings, errors);
    // The reader gives a game whose text names no primary position a primary of its own (as undo knows),
    // the node current after the load; a copied game's text may name none, and its new header may name
    // another current node.
    GameNode* const primary = before.primaryNode;
    if (copied) before.primaryNode = nullptr;
    if (before.primaryNode == nullptr) after.primaryNode = nullptr;
    // The reader marks a first node that sets up stones for a printed diagram, so a first node without
    // the mark (a new handicap game, or one whose mark the user removed) gains it.
    const bool setsUp = before.firstNode->kind() == SpecialMoveKind::Compose ||
                        !before.details[DetailField::Handicap].empty();
    if (setsUp && !before.firstNode->printDiagram()) after.firstNode->setPrintDiagram(false);
    // A copied game keeps the current node its text names, not the one the session moved to.
    GameNode* const current = before.currentNode;
    if (copied) before.currentNode = before.firstNode, after.currentNode = after.firstNode;
    std::string a;
    std::string b;
    const bool written = WriteGameText(before, a) && WriteGameText(after, b);
    before.primaryNode = primary;
    before.currentNode = current;
    if (!written) return where + "cannot be written";
    // Navigation that made a side line the continuation changes the order the tree writes its lines in,
    // not the copied text: a copied game may come back with its lines in the file's order.
    if (withoutCurrentMarks(a) != withoutCurrentMarks(b) && !(copied && sortedLines(a) == sortedLines(b)))
      return where + "differs after the save and the read:\n" + a + "\n---- read back ----\n" + b;
  }
  return std::nullopt;
}

}  // namespace meridax::testing
