#pragma once
// The application's commands of the utility dialogs: user information (32843), delete
// components (32840), back up and restore the user database (32831) and about (57664).
class CKelvoAppBefehle;

void RegistriereHilfsDialogBefehle(CKelvoAppBefehle& befehle);
