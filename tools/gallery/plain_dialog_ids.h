/* Identifiers of the plain dialog's template, shared by plain_dialog.rc and
   the code; macros because the resource compiler reads this file too. */
#pragma once

#define PLAIN_DIALOG 200
#define GROUP_ID 201
#define FIRST_RADIO_ID 202
#define SECOND_RADIO_ID 203
#define CHECK_ID 204
#define THREE_STATE_ID 205
#define EDIT_ID 206
#define COMBO_ID 207
#define LIST_ID 208
#define PUSH_ID 209
#define RIGHT_CHECK_ID 210
