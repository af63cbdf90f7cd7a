#pragma once
// Take lines written independently of the writer, for the reader's and the exporters' tests.
#include "TempProject.h"

#include <cmath>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <string>

namespace TakeLines
{
	using FJson = nlohmann::json;

	inline FJson Transform(std::array<double, 4> R, std::array<double, 3> T, std::array<double, 3> S = {1, 1, 1})
	{
		return FJson{{"r", R}, {"t", T}, {"s", S}};
	}

	inline std::string Static(const char* Subject, const char* Role, FJson Bones = FJson::array(), FJson Parents = FJson::array(),
		FJson Properties = FJson::array(), double Time = 0.0)
	{
		return FJson{{"t", Time}, {"event", "static"}, {"source", "A1B2"}, {"subject", Subject}, {"role", Role},
			{"bones", Bones}, {"parents", Parents}, {"properties", Properties}}.dump();
	}

	inline std::string Frame(double Time, const char* Subject, const FJson& Transforms, const FJson& Properties)
	{
		return FJson{{"t", Time}, {"event", "frame"}, {"source", "A1B2"}, {"subject", Subject},
			{"transforms", Transforms}, {"properties", Properties}}.dump();
	}

	/** The stream skeleton: its 52 bone names, their parents and the seven property names. */
	FJson StreamBones();
	FJson StreamParents();
	FJson StreamProperties();

	/** A character's static line with the stream skeleton. */
	inline std::string CharacterStatic(const char* Subject, double Time = 0.0)
	{
		return Static(Subject, "LiveLinkAnimationRole", StreamBones(), StreamParents(), StreamProperties(), Time);
	}

	/** A character frame with a different rotation per bone: bone k turns Angle * k about a tilted axis. */
	inline FJson CharacterTransforms(double Angle = 0.01, int32 Count = 52, std::array<double, 3> Hips = {0.25, 0.97, -1.5})
	{
		FJson Transforms = FJson::array();
		for (int32 Bone = 0; Bone < Count; ++Bone)
		{
			const double Half = 0.5 * Angle * Bone;
			const double Axis = std::sqrt(1.0 / 3.0) * std::sin(Half);
			Transforms.push_back(Transform({Axis, -Axis, Axis, std::cos(Half)}, Bone == 0 ? Hips : std::array<double, 3>{0.0, 0.0, 0.0}));
		}
		return Transforms;
	}

	inline FJson CharacterProperties()
	{
		return {0.44, 0.42, 0.09, 0.01, 0.0, -0.02, 0.005};
	}

	inline std::string Lines(std::initializer_list<std::string> Items)
	{
		std::string Text;
		for (const std::string& Item : Items)
		{
			Text += Item + "\n";
		}
		return Text;
	}
}
