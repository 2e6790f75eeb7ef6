procedure Work(n: Integer);
begin
  try
    ShowMessage('start ' + IntToStr(n));
    if n > 1 then exit;
    ShowMessage('middle ' + IntToStr(n));
  finally
    ShowMessage('cleanup ' + IntToStr(n));
  end;
  ShowMessage('end ' + IntToStr(n));
end;
var x, z: Integer;
begin
  Work(1);
  Work(2);
  z := 0;
  try
    try
      x := 5 div z;
    finally
      ShowMessage('inner finally');
    end;
  except
    ShowMessage('outer except');
  end;
end.
