// The plan of an image: the walk, the names and the two trees (image_plan.h); the
// sectors are laid out by image_layout.cpp.
#include "disc/image_plan.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <deque>
#include <map>
#include <set>
#include <tuple>

#include "disc/image_layout.h"
#include "disc/image_names.h"

namespace discfront {

namespace {

// The names of a folder that another of its names matches but for case.
std::set<std::u16string> CaseTwins(const std::vector<SourceEntry>& entries) {
  std::map<std::u16string, std::vector<std::u16string>> byFolded;
  for (const SourceEntry& entry : entries) {
    std::u16string folded = entry.name;
    for (char16_t& c : folded) c = FoldCase(c);
    byFolded[folded].push_back(entry.name);
  }
  std::set<std::u16string> out;
  for (const auto& [folded, names] : byFolded) {
    if (names.size() > 1) out.insert(names.begin(), names.end());
  }
  return out;
}

class Walk {
 public:
  Walk(FolderSource& source, ImagePlan& plan, std::vector<ImageRefusal>& refusals)
      : source_(source), plan_(plan), refusals_(refusals) {}

  void Folder(std::size_t index, SourcePath& path) {
    std::optional<std::vector<SourceEntry>> entries = source_.List(path);
    if (!entries) {
      Refuse(ImageRefusal::Reason::kUnreadable, path);
      return;
    }
    // The disc's order is the names' order, whatever order the source lists them in.
    std::sort(entries->begin(), entries->end(),
              [](const SourceEntry& a, const SourceEntry& b) { return a.name < b.name; });
    const std::set<std::u16string> twins = CaseTwins(*entries);
    for (SourceEntry& entry : *entries) {
      path.push_back(entry.name);
      if (twins.count(entry.name) != 0) Refuse(ImageRefusal::Reason::kCaseTwin, path);
      const std::size_t child = Add(index, entry, path);
      if (entry.folder && entry.trouble == SourceEntry::Trouble::kNone) Folder(child, path);
      path.pop_back();
    }
  }

 private:
  std::size_t Add(std::size_t parent, const SourceEntry& entry, const SourcePath& path) {
    using Reason = ImageRefusal::Reason;
    if (entry.trouble == SourceEntry::Trouble::kUndecodableName) {
      Refuse(Reason::kUndecodableName, path);
    } else if (entry.trouble == SourceEntry::Trouble::kLoop) {
      Refuse(Reason::kFolderLoop, path);
    } else if (std::optional<NameProblem> problem = JolietNameProblem(entry.name)) {
      Refuse(*problem == NameProblem::kTooLong ? Reason::kNameTooLong : Reason::kBadCharacter, path);
    } else if (!entry.folder && entry.size > kMaxFileSize) {
      Refuse(Reason::kTooLarge, path);
    } else if (!entry.folder && !source_.Open(path)) {
      Refuse(Reason::kUnreadable, path);
    }
    ImageNode node;
    node.folder = entry.folder;
    node.name = entry.name;
    node.jolietId = entry.folder ? entry.name : entry.name + u";1";
    node.size = entry.size;
    node.modified = entry.modified;
    node.parent = parent;
    plan_.nodes.push_back(std::move(node));
    const std::size_t index = plan_.nodes.size() - 1;
    plan_.nodes[parent].children.push_back(index);
    return index;
  }

  void Refuse(ImageRefusal::Reason reason, const SourcePath& path) { refusals_.push_back({reason, path}); }

  FolderSource& source_;
  ImagePlan& plan_;
  std::vector<ImageRefusal>& refusals_;
};

// The primary tree: the Unicode tree's folders as deep as the primary tree allows;
// a folder that would lie deeper hangs from one folder at the root instead (DEEP),
// and its own folders follow it from there, so that every file is in both trees.
void BuildPrimaryTree(ImagePlan& plan) {
  std::vector<ImageNode>& nodes = plan.nodes;
  std::map<std::size_t, PrimaryNamer> namers;
  std::map<std::size_t, int> level{{0, 1}};
  std::size_t deep = ImageNode::kNone;
  auto attach = [&](std::size_t child, std::size_t parent) {
    nodes[child].primaryParent = parent;
    nodes[parent].primaryChildren.push_back(child);
    std::string id = namers[parent].Assign(nodes[child].name, nodes[child].folder);
    if (!nodes[child].folder) id += id.find('.') == std::string::npos ? ".;1" : ";1";
    nodes[child].primaryId = std::move(id);
  };
  std::deque<std::size_t> queue{0};
  while (!queue.empty()) {
    const std::size_t folder = queue.front();
    queue.pop_front();
    // A copy: adding the holder of deep folders moves the nodes.
    const std::vector<std::size_t> children = nodes[folder].children;
    for (std::size_t child : children) {
      if (!nodes[child].folder || level[folder] < kPrimaryLevels) {
        attach(child, folder);
        level[child] = level[folder] + 1;
      } else {
        if (deep == ImageNode::kNone) {
          ImageNode holder;
          holder.folder = true;
          holder.primaryOnly = true;
          holder.name = u"DEEP";
          holder.modified = plan.volumeTime;
          nodes.push_back(std::move(holder));
          deep = nodes.size() - 1;
          attach(deep, 0);
          level[deep] = 2;
        }
        attach(child, deep);
        level[child] = 3;
      }
      if (nodes[child].folder) queue.push_back(child);
    }
  }
  // Records are in the order of their identifiers: name, then extension.
  auto parts = [&](std::size_t index) {
    const std::string& id = nodes[index].primaryId;
    const std::size_t dot = id.find('.');
    const std::size_t end = id.find(';');
    if (dot == std::string::npos) return std::make_tuple(id, std::string());
    return std::make_tuple(id.substr(0, dot), id.substr(dot + 1, end - dot - 1));
  };
  for (ImageNode& node : nodes) {
    std::sort(node.primaryChildren.begin(), node.primaryChildren.end(),
              [&](std::size_t a, std::size_t b) { return parts(a) < parts(b); });
  }
}

void Number(ImagePlan& plan, bool primary) {
  std::vector<std::size_t>& order = primary ? plan.primaryFolders : plan.jolietFolders;
  order.push_back(0);
  for (std::size_t i = 0; i < order.size(); ++i) {
    ImageNode& folder = plan.nodes[order[i]];
    (primary ? folder.primaryNumber : folder.jolietNumber) = static_cast<std::uint32_t>(i + 1);
    for (std::size_t child : primary ? folder.primaryChildren : folder.children) {
      if (plan.nodes[child].folder) order.push_back(child);
    }
  }
}

void ListFiles(ImagePlan& plan, std::size_t folder) {
  for (std::size_t child : plan.nodes[folder].children) {
    if (plan.nodes[child].folder) {
      ListFiles(plan, child);
    } else {
      plan.files.push_back(child);
    }
  }
}

}  // namespace

SourcePath ImagePlan::PathOf(std::size_t node) const {
  SourcePath path;
  for (; node != 0 && node != ImageNode::kNone; node = nodes[node].parent) path.push_back(nodes[node].name);
  std::reverse(path.begin(), path.end());
  return path;
}

PlanResult PlanImage(FolderSource& source, const ImageOptions& options) {
  PlanResult result;
  ImagePlan plan;
  plan.volumeTime = options.volumeTime;
  plan.primaryLabel = PrimaryLabel(options.label);
  plan.jolietLabel = JolietLabel(options.label);
  ImageNode root;
  root.folder = true;
  root.modified = source.Root().modified;
  plan.nodes.push_back(std::move(root));
  SourcePath path;
  Walk(source, plan, result.refusals).Folder(0, path);
  BuildPrimaryTree(plan);
  Number(plan, true);
  Number(plan, false);
  // Path table records name their parent by a 16-bit number.
  if (plan.primaryFolders.size() > 0xFFFF) result.refusals.push_back({ImageRefusal::Reason::kTooManyFolders, {}});
  if (!result.refusals.empty()) return result;
  ListFiles(plan, 0);
  LayOut(plan);
  result.plan = std::move(plan);
  return result;
}

std::int64_t VolumeTime(const char* sourceDateEpoch, std::int64_t now) {
  if (sourceDateEpoch == nullptr) return now;
  const char* end = sourceDateEpoch + std::strlen(sourceDateEpoch);
  std::int64_t seconds = 0;
  const auto [rest, error] = std::from_chars(sourceDateEpoch, end, seconds);
  if (error != std::errc() || rest != end || rest == sourceDateEpoch) return now;
  return seconds;
}

}  // namespace discfront
