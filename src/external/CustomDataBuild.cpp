#include "external/CustomDataBuild.h"

#include "base/Status.h"
#include "base/Text.h"
#include "external/DataInputs.h"

#include <fmt/format.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace parlix {

namespace fs = std::filesystem;

namespace {

// Whether the file is there; when not, `failure` says why.
bool Exists(const std::string& path, std::error_code& failure) {
    std::error_code ec;
    if (fs::exists(path, ec)) return true;
    failure = ec ? ec : std::make_error_code(std::errc::no_such_file_or_directory);
    return false;
}

// Whether `project` was written later than `output`; unknown times count as not.
bool Newer(const std::string& project, const std::string& output) {
    std::error_code ec1, ec2;
    const auto projectTime = fs::last_write_time(project, ec1);
    const auto outputTime = fs::last_write_time(output, ec2);
    return !ec1 && !ec2 && projectTime > outputTime;
}

bool ReadText(const std::string& path, std::string& text, std::error_code& failure) {
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        failure = ErrnoCode(errno ? errno : ENOENT);
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

}  // namespace

CustomDataBuild::CustomDataBuild(FrontEnd& frontEnd, DataBuildView& view, ToolListener& toolOutput,
                                 std::string programFolder)
    : frontEnd_(frontEnd),
      view_(view),
      toolOutput_(toolOutput),
      programFolder_(std::move(programFolder)) {}

void CustomDataBuild::SetStatus(const std::string& text) {
    status_ = text;
    view_.SetStatus(text);
}

CustomDataBuild::Step CustomDataBuild::Fail(const std::string& status) {
    SetStatus(status);
    return Step::Fail;
}

CustomDataBuild::Step CustomDataBuild::ProjectChanged(bool continueAnyway) {
    SetStatus(Tr(PX_TR("CustomData", "Project file has changed after build.")));
    return continueAnyway ? Step::Go : Step::Warn;
}

CustomDataBuild::Step CustomDataBuild::AddSoundTable(const std::string& path, bool continueAnyway,
                                                     DataBuildInputs& inputs) {
    SetStatus(Tr(PX_TR("CustomData", "Running sound table builder...")));
    if (!Exists(path, failure_))
        return Fail(Tr(PX_TR("CustomData", "Could not find the project file.")));
    const std::string header = SoundTableHeader(path);
    const std::string model = SoundTableModel(path);
    if (!Exists(header, failure_) || !Exists(model, failure_))
        return Fail(
            Tr(PX_TR("CustomData", "Could not find sound table data. Please build your project.")));
    if (Newer(path, model) && ProjectChanged(continueAnyway) == Step::Warn) return Step::Warn;
    inputs.models.push_back(model);
    inputs.headers.push_back(header);
    return Step::Go;
}

bool CustomDataBuild::AddGrammars(const std::string& folder, const std::string& name,
                                  const std::string& project, bool& newer,
                                  DataBuildInputs& inputs) {
    bool found = false;
    const auto add = [&](const GrammarInputs& grammar, TrText missing) {
        if (Exists(grammar.model, failure_) && Exists(grammar.header, failure_)) {
            inputs.models.push_back(grammar.model);
            inputs.headers.push_back(grammar.header);
            newer = newer || Newer(project, grammar.model);
            found = true;
        } else {
            SetStatus(Tr(missing));
        }
    };
    add(TriggerGrammarInputs(folder, name),
        PX_TR("CustomData", "Could not find a trigger grammar."));
    add(CommandGrammarInputs(folder, name),
        PX_TR("CustomData", "Could not find a command grammar."));
    return found;
}

CustomDataBuild::Step CustomDataBuild::AddSingleGrammar(const std::string& path,
                                                        bool continueAnyway,
                                                        DataBuildInputs& inputs) {
    SetStatus(Tr(PX_TR("CustomData", "Running single grammar builder...")));
    if (!Exists(path, failure_))
        return Fail(Tr(PX_TR("CustomData", "Could not find the project file.")));
    const std::string folder = DataProjectFolder(path);
    const std::string name = DataProjectName(path);
    bool newer = false;
    if (!AddGrammars(folder, name, path, newer, inputs))
        return Fail(
            Tr(PX_TR("CustomData", "Could not find any grammar data. Please build your project.")));
    const std::string acoustic = AcousticModelInput(folder, name);
    if (!Exists(acoustic, failure_))
        return Fail(Tr(
            PX_TR("CustomData", "Could not find an acoustic model. Please build your project.")));
    if ((newer || Newer(path, acoustic)) && ProjectChanged(continueAnyway) == Step::Warn)
        return Step::Warn;
    inputs.models.push_back(acoustic);
    return Step::Go;
}

CustomDataBuild::Step CustomDataBuild::AddCombinedGrammar(const std::string& path,
                                                          bool continueAnyway,
                                                          DataBuildInputs& inputs) {
    SetStatus(Tr(PX_TR("CustomData", "Running combined grammar builder...")));
    if (!Exists(path, failure_))
        return Fail(Tr(PX_TR("CustomData", "Could not find the project file.")));
    const std::string folder = DataProjectFolder(path);
    const std::string acoustic = AcousticModelInput(folder, DataProjectName(path));
    if (!Exists(acoustic, failure_))
        return Fail(Tr(PX_TR(
            "CustomData", "Could not find a combined acoustic model. Please build your project.")));
    if (Newer(path, acoustic) && ProjectChanged(continueAnyway) == Step::Warn) return Step::Warn;
    inputs.models.push_back(acoustic);
    std::string text;
    if (!ReadText(path, text, failure_))
        return Fail(Tr(PX_TR("CustomData", "Could not open the project file.")));
    // A combiner project without grammars adds no sound and no word: an image
    // built from it would only wipe the module's custom data.
    const std::vector<std::string> grammars = ParseCombinedGrammarNames(text);
    failure_.clear();  // the project's content is at fault, not the system
    if (grammars.empty())
        return Fail(TrFormat(PX_TR("CustomData",
                                   "The project \"%s\" names no grammar, so it adds nothing to "
                                   "the custom data. Add its grammars or remove it."),
                             DataProjectDisplayName(path)));
    // The grammars are built by their own projects, not from the combiner's
    // file, so only the combined model is compared with it.
    for (const std::string& grammar : grammars) {
        bool unused = false;
        if (!AddGrammars(folder, grammar, path, unused, inputs))
            return Fail(Tr(PX_TR("CustomData",
                                 "Could not find any grammar data. Please build your project.")));
    }
    return Step::Go;
}

DataBuildResult CustomDataBuild::Build(const std::vector<DataProjectEntry>& projects,
                                       const std::string& outputBase, bool oldFormat,
                                       bool continueAnyway) {
    rows_.clear();
    fileToDownload_.clear();
    failure_.clear();
    if (projects.empty()) return DataBuildResult::Success;

    DataBuildInputs inputs;
    for (const DataProjectEntry& project : projects) {
        view_.SetHeader(TrFormat(PX_TR("CustomData", "Processing project \"%s\"..."),
                                 DataProjectDisplayName(project.path)));
        Step step = Step::Go;
        switch (DataProjectTypeOf(project.path)) {
            case DataProjectType::SoundTable:
                step = AddSoundTable(project.path, continueAnyway, inputs);
                break;
            case DataProjectType::SingleGrammar:
                step = AddSingleGrammar(project.path, continueAnyway, inputs);
                break;
            case DataProjectType::CombinedGrammar:
                step = AddCombinedGrammar(project.path, continueAnyway, inputs);
                break;
            case DataProjectType::Other:
                break;
        }
        if (step == Step::Warn) return DataBuildResult::Warning;
        if (step == Step::Fail) return DataBuildResult::Error;
    }

    failure_ =
        WriteResponseFile(outputBase + ".rsp", FormatResponseFile(outputBase, oldFormat, inputs));
    if (failure_) {
        SetStatus(Tr(PX_TR("CustomData", "Could not run sound table builder.")));
        return DataBuildResult::Error;
    }
    return RunBuilder(outputBase);
}

DataBuildResult CustomDataBuild::RunBuilder(const std::string& outputBase) {
    view_.SetHeader(Tr(PX_TR("CustomData", "Building custom data ...")));
    const auto started = fs::file_time_type::clock::now();
    const std::string command =
        fmt::format("\"{}/kandata\" @\"{}\"", programFolder_, outputBase + ".rsp");
    // The builder's outcome stands as the reason until an output proves missing.
    const ToolOutcome outcome = RunTool(command, {}, toolOutput_, frontEnd_, cancel_);
    failure_ = outcome.code;
    if (!outcome.started) {
        SetStatus(Tr(PX_TR("CustomData", "Custom data builder failed or not found.")));
        return DataBuildResult::Error;
    }
    if (static_cast<std::uint32_t>(outcome.code.value()) != kToolEnded)
        return DataBuildResult::Error;

    const std::string image = outputBase + ".hex";
    std::error_code ec;
    const auto written = fs::last_write_time(image, ec);
    if (ec) failure_ = ec;
    if (ec || written < started - kImageTimeSlack) {
        SetStatus(Tr(PX_TR("CustomData", "Custom data build failed, no output file.")));
        return DataBuildResult::Error;
    }
    std::string header;
    if (!ReadText(outputBase + ".h", header, failure_)) {
        SetStatus(Tr(PX_TR("CustomData", "Could not open processed user data.")));
        return DataBuildResult::Error;
    }
    rows_ = ParseDataHeader(header);
    SetStatus(Tr(PX_TR("CustomData", "Custom data built successfully.")));
    fileToDownload_ = image;
    return DataBuildResult::Success;
}

}  // namespace parlix
