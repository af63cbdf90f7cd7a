#pragma once
// Skeleton import: reads the armature of an FBX, glTF 2.0 (.gltf, .glb) or BVH file into a
// USkeleton, and the skinned mesh's vertices into its preview mesh.
//
// Bones are the armature's joints: the nodes that a skinned mesh binds to, or, in a file without
// skinned meshes (BVH), the nodes that the animation drives; plus their ancestors up to the top of
// the file's hierarchy (the file's own scene root is left out unless it is a joint itself). Mesh,
// camera, light and helper nodes that bear no joint are left out. A skeleton has exactly one root.
//
// Units and axes. The engine works in centimetres, Z up, and a character faces +Y with its left
// side on +X (a left-handed frame). Files are right-handed with Y up: glTF always (metres), BVH by
// convention (read as centimetres, since BVH declares no unit), FBX as its global settings declare
// (up, front and side axes with their signs, and the unit as centimetres per file unit). With the
// file's side axis S, up axis U and front axis F, a file vector v becomes the engine vector
//     (v.S, v.F, v.U) * centimetres per unit,
// so for the usual Y-up files (x, y, z) becomes (x, z, y) * scale. A reference rotation is turned
// the same way (the matrix M * R * M^T with M the axis change above; for Y-up files the quaternion
// (x, y, z, w) becomes (-x, -z, -y, w)), so the same rig stored in any of the formats gives the
// same bone positions in the engine.
//
// Vertex positions of every skinned mesh, placed by their node's transform in the file, become
// the preview mesh's LOD 0 positions in the same frame as the bones.
#include "Animation/Skeleton.h"

#include <memory>

/** Files larger than this are refused before they are read. */
inline constexpr int64 MaxSkeletonFileBytes = int64(512) << 20;
/** A BVH whose joint chains run deeper than this is refused before it is read; real rigs stay
 *  far below it (a human body with fingers is about 30 joints deep). */
inline constexpr int32 MaxBvhJointDepth = 1000;

struct FSkeletonImportResult
{
	/** The new skeleton; null when the import failed. */
	std::unique_ptr<USkeleton> Skeleton;
	/** Empty on success; otherwise one line saying which file failed and why. */
	FString Error;
};

/**
 * Imports File into a new skeleton named SkeletonName (the file's base name when none). Nothing
 * is logged: the caller reports the error text.
 */
FSkeletonImportResult ImportSkeletonFromFile(const FString& File, FName SkeletonName = NAME_None);
