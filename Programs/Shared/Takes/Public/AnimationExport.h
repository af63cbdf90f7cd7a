#pragma once
// A take's character subject retargeted through a remap asset onto its target skeleton, written as
// a glTF 2.0 binary (.glb) or an FBX file through the import library: the target skeleton's joints
// with one animation, whose keys are the poses built from each recorded frame (FRetargetedMesh, as
// `run --animate` builds them) at the frame's own time; and, when the skeleton has a preview mesh,
// that mesh as points, each bound to its nearest joint, so that it moves with the skeleton.
//
// Files hold the engine's poses in their own frame: right-handed, Y up, glTF in metres and FBX in
// centimetres, so an engine vector (x, y, z) is written as (x, z, y) and a rotation (x, y, z, w) as
// (-x, -z, -y, w), the inverse of what the skeleton importer reads.
#include "TakeExport.h"

class UZevoRemapAssetBase;

enum class EAnimationFileFormat : uint8
{
	Gltf,
	Fbx,
};

bool ExportTakeToAnimationFile(const FTakeExportRequest& Request, UZevoRemapAssetBase& Asset, EAnimationFileFormat Format,
	FTakeExportResult& OutResult, FString& OutError);
