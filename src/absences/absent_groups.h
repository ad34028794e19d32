// The groups that have a lesson of an absent teacher anywhere in their week.
#pragma once

struct Model;

// Rebuilds model.absentTeacherGroups from model.absentTeachers and the timetables.
void ComputeAbsentTeacherGroups(Model& model);
