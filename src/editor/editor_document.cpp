#include "editor/editor_document.h"

#include <cstdint>

namespace daved {

std::string EditorDocument::fileName() const {
  return filePath.empty() ? std::string(kNewDrawingName) : filePath.filename().string();
}

void EditorDocument::AddPending(QPoint at) {
  pending.push_back({at.x(), at.y(), kLinePoint, colour, kStateNormal,
                     uint8_t(pending.empty() ? 1 : 0)});
}

Object* EditorDocument::polyline() {
  if (!polyline_ || *polyline_ >= drawing.size()) return nullptr;
  return &drawing[*polyline_];
}

void EditorDocument::StartPolyline(Object first) {
  drawing.push_back(std::move(first));
  polyline_ = drawing.size() - 1;
}

void EditorDocument::RecordUndoStep() {
  history_.Record(drawing);
  modified = true;
}

bool EditorDocument::Undo() {
  const Drawing* snapshot = history_.Undo();
  if (!snapshot) return false;
  ReplaceDrawing(*snapshot);
  return true;
}

bool EditorDocument::Redo() {
  const Drawing* snapshot = history_.Redo();
  if (!snapshot) return false;
  ReplaceDrawing(*snapshot);
  return true;
}

void EditorDocument::ReplaceDrawing(Drawing replacement) {
  drawing = std::move(replacement);
  selection.clear();
  selectionBackup.clear();
  pending.clear();
  polyline_.reset();
}

void EditorDocument::DeselectAll() {
  for (const PointRef& ref : selection) {
    if (ref.object < drawing.size() && ref.point < drawing[ref.object].size()) {
      at(ref).state = kStateNormal;
    }
  }
  selection.clear();
}

void EditorDocument::Select(PointRef ref) {
  at(ref).state = kStateSelected;
  selection.push_back(ref);
}

void EditorDocument::RemoveDeletedPoints() {
  // New index of every surviving point, per object, so the selection follows its points.
  std::vector<std::vector<std::size_t>> moved(drawing.size());
  constexpr std::size_t kGone = SIZE_MAX;
  bool any = false;
  for (std::size_t o = 0; o < drawing.size(); ++o) {
    Object& object = drawing[o];
    moved[o].resize(object.size());
    std::size_t kept = 0;
    for (std::size_t i = 0; i < object.size(); ++i) {
      if (object[i].state == kStateDeleted) {
        moved[o][i] = kGone;
        any = true;
      } else {
        moved[o][i] = kept;
        object[kept++] = object[i];
      }
    }
    object.resize(kept);
  }
  if (!any) return;
  std::vector<PointRef> still;
  for (const PointRef& ref : selection) {
    if (ref.object < moved.size() && ref.point < moved[ref.object].size() &&
        moved[ref.object][ref.point] != kGone) {
      still.push_back({ref.object, moved[ref.object][ref.point]});
    }
  }
  selection = std::move(still);
}

bool EditorDocument::SaveToMemory() {
  if (drawing.empty()) return false;
  memory = Snapshot(drawing);
  return true;
}

void EditorDocument::LoadFromMemory() {
  DeselectAll();
  for (const Object& object : memory) {
    drawing.push_back(object);
    const std::size_t o = drawing.size() - 1;
    for (std::size_t i = 0; i < object.size(); ++i) Select({o, i});
  }
  RecordUndoStep();
}

}  // namespace daved
