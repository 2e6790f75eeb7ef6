procedure Swap(var a, b: Integer);
var t: Integer;
begin
  t := a; a := b; b := t;
end;
procedure AddTo(var s: String; const t: String);
begin
  s := s + t;
end;
var x, y: Integer; s: String;
begin
  x := 1; y := 2;
  Swap(x, y);
  ShowMessage(IntToStr(x) + ' ' + IntToStr(y));
  s := 'ab';
  AddTo(s, 'cd'); AddTo(s, 'ef');
  ShowMessage(s);
end.
