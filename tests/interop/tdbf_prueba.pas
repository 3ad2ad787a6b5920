{ Lee y escribe tablas de nivel 7 con TDbf, para comprobar que el motor de
  tablas del programa se entiende con otra implementación.
  tdbf_prueba leer FICHERO     -> una línea por fila: CAMPO=valor;...
  tdbf_prueba escribir FICHERO -> crea la tabla de prueba fija }
program tdbf_prueba;
{$mode objfpc}{$H+}
uses SysUtils, Classes, DB, dbf, dbf_fields;

var
  Formato: TFormatSettings;

function Hex(const s: RawByteString): string;
var i: Integer;
begin
  Result := '';
  for i := 1 to Length(s) do Result := Result + IntToHex(Ord(s[i]), 2);
end;

function Cp1252(const s: RawByteString): RawByteString;
begin
  Result := s;
  SetCodePage(Result, 1252, False);
end;

function Valor(f: TField): string;
begin
  if f.IsNull then Exit('<nulo>');
  case f.DataType of
    ftString: Result := 'S:' + Hex(f.AsString);
    ftSmallInt, ftInteger, ftWord, ftLargeInt, ftAutoInc: Result := 'I:' + IntToStr(f.AsLargeInt);
    ftFloat: Result := 'R:' + FloatToStrF(f.AsFloat, ffGeneral, 15, 0, Formato);
    ftBoolean: if f.AsBoolean then Result := 'L:T' else Result := 'L:F';
  else
    Result := 'X:' + f.AsString;
  end;
end;

procedure Leer(const fichero: string);
var t: TDbf; i: Integer; linea: string;
begin
  t := TDbf.Create(nil);
  try
    t.FilePathFull := ExtractFilePath(ExpandFileName(fichero));
    t.TableName := ExtractFileName(fichero);
    t.ReadOnly := True;
    t.Open;
    WriteLn('NIVEL=', t.TableLevel, ';PAGINA=', t.CodePage);
    while not t.EOF do
    begin
      linea := '';
      for i := 0 to t.FieldCount - 1 do
      begin
        if i > 0 then linea := linea + ';';
        linea := linea + t.Fields[i].FieldName + '=' + Valor(t.Fields[i]);
      end;
      WriteLn(linea);
      t.Next;
    end;
    t.Close;
  finally
    t.Free;
  end;
end;

procedure Campo(defs: TDbfFieldDefs; const nombre: string; tipo: Char; ancho: Integer);
begin
  with defs.AddFieldDef do
  begin
    FieldName := nombre;
    NativeFieldType := tipo;
    if ancho > 0 then Size := ancho;
  end;
end;

procedure Escribir(const fichero: string);
var t: TDbf; defs: TDbfFieldDefs;
begin
  t := TDbf.Create(nil);
  defs := TDbfFieldDefs.Create(nil);
  try
    t.FilePathFull := ExtractFilePath(ExpandFileName(fichero));
    t.TableName := ExtractFileName(fichero);
    t.TableLevel := 7;
    Campo(defs, 'ABREV_ITACA', 'C', 20);
    Campo(defs, 'NOMBRE', 'C', 80);
    Campo(defs, 'SESION_ORDEN', 'I', 0);
    Campo(defs, 'HORAS', 'O', 0);
    Campo(defs, 'ESTAREA', 'L', 0);
    t.CreateTableEx(defs);
    t.Open;

    t.Append;
    t.FieldByName('ABREV_ITACA').AsString := Cp1252('MAT01');
    t.FieldByName('NOMBRE').AsString := Cp1252(#$C1'lgebra i geometria ('#$E0')');
    t.FieldByName('SESION_ORDEN').AsInteger := 3;
    t.FieldByName('HORAS').AsFloat := 2.5;
    t.FieldByName('ESTAREA').AsBoolean := True;
    t.Post;

    t.Append;   { nada puesto }
    t.Post;

    t.Append;
    t.FieldByName('ABREV_ITACA').AsString := Cp1252('BORRADA');
    t.Post;
    t.Delete;

    t.Append;
    t.FieldByName('ABREV_ITACA').AsString := Cp1252(#$D1);
    t.FieldByName('SESION_ORDEN').AsInteger := -7;
    t.FieldByName('HORAS').AsFloat := -0.25;
    t.FieldByName('ESTAREA').AsBoolean := False;
    t.Post;
    t.Close;
  finally
    defs.Free;
    t.Free;
  end;
end;

begin
  Formato := DefaultFormatSettings;
  Formato.DecimalSeparator := '.';
  if ParamCount <> 2 then
  begin
    WriteLn(StdErr, 'uso: tdbf_prueba leer|escribir FICHERO');
    Halt(2);
  end;
  try
    if ParamStr(1) = 'leer' then Leer(ParamStr(2))
    else if ParamStr(1) = 'escribir' then Escribir(ParamStr(2))
    else Halt(2);
  except
    on E: Exception do
    begin
      WriteLn(StdErr, 'error: ', E.Message);
      Halt(1);
    end;
  end;
end.
