#pragma once
// Random sessions against a main frame: steps a person could take (a command of the registry, a key, a
// click on the board or in the tree, a context menu item, a board key, rows chosen in a list, a load)
// with the answers to every question the step raises drawn from the step's own seed, so that a session
// replays exactly and a shorter one can be tried. After each step the stores and trees must hold; at a
// "save" step the collection is written as a save writes it, read back, and every built game compared.

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/app_test_support.h"
#include "app/context_menus.h"
#include "app/list_menus.h"
#include "app/frame_win.h"
#include "app/memory_profile.h"
#include "app/scripted_ports.h"

namespace meridax::testing {

enum class StepKind { Command, Key, Click, Tree, BoardMenu, TreeMenu, BoardKey, ListRows, Load, SaveCheck };

struct SessionStep {
  StepKind kind = StepKind::Command;
  std::string word;  // command, key, board key, or the file to load
  int a = 0;         // column, move number on the current line
  int b = 0;         // row, variation line, or the rows chosen as a bit set
  int item = 0;      // the context menu item (the list's while one is open), counted round the menu
  std::uint32_t answers = 0;  // seed of the answers to the questions this step raises

  // The step as a line of a frame script (menu items, answers and checks as comments).
  std::string describe() const;
};

// Questions, dialogs and file choosers answered at random from the seed given before each step.
class RandomAnswerPorts : public ScriptedPorts {
 public:
  RandomAnswerPorts(std::vector<std::string> files, std::string saveDirectory);
  void reseed(std::uint32_t seed) { random_.seed(seed); }

  bool askYesNo(const std::string& caption, const std::string& text) override;
  Answer askYesNoCancel(const std::string& caption, const std::string& text) override;
  std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                     const std::string& initial) override;
  std::optional<int> askNumber(const std::string& caption, const std::string& prompt, int min, int max,
                               int initial) override;
  std::optional<int> chooseFromList(const std::string& caption, const std::vector<std::string>& entries,
                                    int selected) override;
  std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) override;
  std::vector<std::string> chooseFilesToOpen(const FileDialogRequest& request) override;
  std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) override;

 private:
  int below(int n) { return static_cast<int>(random_() % static_cast<std::uint32_t>(n)); }
  std::mt19937 random_;
  std::vector<std::string> files_;
  std::string saveDirectory_;
};

// One session: a frame over a temporary directory holding copies of the files it may load.
class RandomSession {
 public:
  explicit RandomSession(const std::vector<std::filesystem::path>& corpusFiles);

  FrameWin& frame() { return *frame_; }
  const std::vector<std::string>& files() const { return files_; }
  // A step drawn for the frame as it stands.
  SessionStep drawStep(std::mt19937& random);
  // Runs the step; the broken invariant or failed comparison it leaves, if any.
  std::optional<std::string> run(const SessionStep& step);

 private:
  void act(const SessionStep& step);
  void runMenuItem(const std::vector<MenuItem>& menu, int item);
  void runListMenuItem(int item);
  std::optional<std::string> brokenInvariant();
  std::optional<std::string> saveAndCompare();
  // Notes, for each game whose tree was built since the last call, the reader settings it was built with.
  void noteBuildSettings(const ReaderSettings& inForce);

  TempDir dir_;
  std::vector<std::string> files_;
  FailingFileSystem fileSystem_;
  MemoryProfile profile_;
  std::unique_ptr<RandomAnswerPorts> ports_;
  std::unique_ptr<FrameWin> frame_;
  std::pair<const char*, std::size_t> heldSeen_{nullptr, 0};
  std::map<const SGridFrame*, ReaderSettings> builtWith_;
};

}  // namespace meridax::testing
