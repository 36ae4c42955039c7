// A folder of design-tool projects and outputs for custom-data builds, the
// build's view and tool output recorded, and the real kandata to run.
#pragma once

#include "external/CustomDataBuild.h"
#include "external/ToolListener.h"
#include "support/RecordingFrontEnd.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

namespace parlix::test {

class RecordingBuildView : public DataBuildView {
  public:
    void SetHeader(const std::string& text) override { headers.push_back(text); }
    void SetStatus(const std::string& text) override { statuses.push_back(text); }
    std::vector<std::string> headers;
    std::vector<std::string> statuses;
};

class ToolLines : public ToolListener {
  public:
    void OnLine(std::string line, std::uint32_t) override {
        std::lock_guard lock(mutex_);
        lines_.push_back(std::move(line));
    }
    void OnFinished(std::uint32_t, std::uint32_t) override {}
    std::vector<std::string> Lines() const {
        std::lock_guard lock(mutex_);
        return lines_;
    }

  private:
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
};

inline std::string KandataFolder() {
    return std::filesystem::path(ProgramPath("kandata")).parent_path().string();
}

inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CustomDataFixture : public ::testing::Test {
  public:  // the case tables set folders up through it
    // Writes a file dated an hour ago, so that a project written later is newer.
    std::string Write(const std::string& name, const std::string& text) {
        const std::string path = dir.File(name);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << text;
        std::filesystem::last_write_time(
            path, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
        return path;
    }
    void Touch(const std::string& path) {
        std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now());
    }

    void SoundTable(const std::string& name) {
        Write(name + ".qxp", "project");
        Write(name + ".mco", "parlix-model 1\ntype sound-table\nname DEMO\nsound BEEP\n");
        Write(name + ".h", "#define SND_Beep 0\n");
    }
    void TriggerGrammar(const std::string& name) {
        Write("trig_rscGram_" + name + ".mco",
              "parlix-model 1\ntype grammar\nkind trigger\nname TRIG\nword HI\n");
        Write("trig_rscApp_" + name + ".h", "#define G_HI 0\n");
    }
    void CommandGrammar(const std::string& name) {
        Write("comm_rscGram_" + name + ".mco",
              "parlix-model 1\ntype grammar\nkind command\nname COMM\nword GO\n");
        Write("comm_rscApp_" + name + ".h", "#define G_GO 0\n");
    }
    void AcousticModel(const std::string& name) {
        Write("rscNet_" + name + ".mco", "parlix-model 1\ntype acoustic\nname NET\nsize 8\n");
    }

    std::vector<DataProjectEntry> Projects(std::initializer_list<const char*> names) const {
        std::vector<DataProjectEntry> projects;
        for (const char* name : names)
            projects.push_back({dir.File(name), DataProjectTypeOf(name)});
        return projects;
    }

    TempDir dir;
    TempDir out;
    RecordingFrontEnd front;
    RecordingBuildView view;
    ToolLines lines;
    CustomDataBuild build{front, view, lines, KandataFolder()};
    std::string base = out.File("snd1");
};

}  // namespace parlix::test
