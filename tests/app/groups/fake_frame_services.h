#pragma once
// A frame for one command group at a time: the games of one SGF text, scripted ports that keep their
// transcript, default settings, and a record of what the group asked of the frame. No FrameWin is
// linked into the programs that use it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/frame_services.h"
#include "app/scripted_ports.h"
#include "sgf/sgf_test_support.h"

namespace meridax::testing {

class FakeFrameServices : public FrameServices {
 public:
  explicit FakeFrameServices(const std::string& sgf) : loaded_(sgf, GameTrees::All) {
    EXPECT_GT(loaded_.games(), 0u) << sgf;
  }

  // ---- What the group asked for ----
  ScriptedPorts ports_;
  std::vector<std::string> notices;
  std::vector<GameNode*> jumps;  // jumpToLineOf, in order
  int modifiedMarks = 0;
  int statusRefreshes = 0;
  int titleRefreshes = 0;
  int searchListDiscards = 0;
  int labelEntryCancels = 0;
  int actionsBegun = 0;
  int actionsEnded = 0;
  std::vector<std::size_t> madeCurrent;
  int imports = 0;
  std::vector<bool> gameChangeRefreshes;  // the layout flag of each
  int undoResets = 0;
  int savedStates = 0;
  std::vector<SaveScope> savedAs;
  SErrorList errors;
  FrameSettings frameSettings_;
  AppSettings appSettings_;
  FrameEnvironment environment_;
  std::string currentFile_;

  // ---- FrameServices ----
  SGridFrame& game() override { return *loaded_.collection.current(); }
  Collection& collection() override { return loaded_.collection; }
  const FramePorts& ports() const override { return framePorts_; }
  FrameSettings& frameSettings() override { return frameSettings_; }
  AppSettings& appSettings() override { return appSettings_; }
  const FrameEnvironment& environment() const override { return environment_; }
  const std::string& currentFile() const override { return currentFile_; }
  void beginAction() override { ++actionsBegun; }
  void endAction() override { ++actionsEnded; }
  void refreshStatus() override { ++statusRefreshes; }
  void refreshTitle() override { ++titleRefreshes; }
  void makeCurrent(std::size_t index, bool) override {
    madeCurrent.push_back(index);
    loaded_.collection.setCurrent(index);
  }
  ReaderSettings readerSettings() override { return ReaderSettings{}; }
  std::size_t insertNewGame(GameKind kind, int width, int height, const std::string&, int) override {
    const std::size_t at =
        collection().createGame(kind, width, height, collection().empty() ? Collection::npos : collection().currentIndex());
    collection().setCurrent(at);
    return at;
  }
  void refreshAfterGameChange(bool layout) override { gameChangeRefreshes.push_back(layout); }
  void forgetUndoSteps() override { ++undoResets; }
  void recordSavedState() override { ++savedStates; }
  SErrorList& errorList() override { return errors; }
  void showErrors() override {}
  bool holdsFileText() const override { return false; }
  bool buildTree(SGridFrame&) override { return false; }
  void importFiles() override { ++imports; }
  bool saveAs(SaveScope scope) override {
    savedAs.push_back(scope);
    return true;
  }
  void jumpToLineOf(GameNode* node) override { jumps.push_back(node); }
  void discardSearchLists() override { ++searchListDiscards; }
  void cancelLabelEntry() override { ++labelEntryCancels; }

  // ---- PlayHost ----
  void notice(const std::string& text) override { notices.push_back(text); }
  void markFileModified() override { ++modifiedMarks; }

 private:
  testing_support::LoadedText loaded_;
  FramePorts framePorts_ = ports_.framePorts();
};

}  // namespace meridax::testing
